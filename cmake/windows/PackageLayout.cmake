# Read by cpack for each generator: a portable .zip opens onto kolvar.exe and its licence.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
