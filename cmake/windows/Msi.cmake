# Run by cpack's External generator (CPACK_EXTERNAL_PACKAGE_SCRIPT) in the staged files: makes
# kolvar-<version>-windows-x64.msi with wixl, and signs it when a certificate is given.
#
# The product code is the version's, a name-based UUID: a later version is another product,
# which replaces this one (the upgrade code stays), and the same version has the same code
# whenever it is built. wixl itself gives each package a code of its own at random, and writes
# the time it makes the package into the package's summary, so two MSIs of one commit differ
# in those bytes; the files they install and the cabinet that holds them do not.
if(NOT CPACK_KOLVAR_WIXL)
    message(FATAL_ERROR "The MSI needs wixl (Debian's package wixl)")
endif()
set(namespace 7E0E1B2C-6C43-4F0C-9E55-5B0F1D3A9C21)
string(UUID product_code NAMESPACE ${namespace} NAME "product ${CPACK_PACKAGE_VERSION}"
       TYPE SHA1 UPPER)

file(GLOB staged LIST_DIRECTORIES false RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
     ${CPACK_TEMPORARY_DIRECTORY}/*)
list(SORT staged)
set(file_elements "")
foreach(name IN LISTS staged)
    string(MAKE_C_IDENTIFIER "${name}" id)
    set(key_path "")
    if(name STREQUAL "kolvar.exe")
        set(key_path " KeyPath=\"yes\"")
    endif()
    string(APPEND file_elements "            <File Id=\"${id}\" Name=\"${name}\""
           " Source=\"${name}\"${key_path}/>\n")
endforeach()

# wixl takes the files by their names from the folder it runs in, so they are copied there with
# their times.
set(scratch ${CPACK_TOPLEVEL_DIRECTORY}/msi)
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
file(REMOVE_RECURSE ${scratch})
list(TRANSFORM staged PREPEND ${CPACK_TEMPORARY_DIRECTORY}/ OUTPUT_VARIABLE staged_paths)
file(COPY ${staged_paths} ${CPACK_KOLVAR_ICON} DESTINATION ${scratch})
file(RENAME ${scratch}/kolvar.ico ${scratch}/kolvar-icon.ico)
configure_file(${CPACK_KOLVAR_WXS} ${scratch}/kolvar.wxs @ONLY)
execute_process(COMMAND ${CPACK_KOLVAR_WIXL} --arch x64 -o ${msi} kolvar.wxs
                WORKING_DIRECTORY ${scratch}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CPACK_KOLVAR_SIGN_SCRIPT} ${msi} COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
