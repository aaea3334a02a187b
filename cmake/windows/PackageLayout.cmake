# Read by cpack for each generator: dated by SOURCE_DATE_EPOCH (cmake/PackageDate.cmake), in
# UTC, which is what the .zip's local times are then written in; a portable .zip opens onto
# kolvar.exe and its licence.
include(${CPACK_KOLVAR_PACKAGE_DATE})
set(ENV{TZ} UTC)
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
