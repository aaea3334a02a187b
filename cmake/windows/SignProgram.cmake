# Run by cpack once it has staged the files (CPACK_PRE_BUILD_SCRIPTS), before it packs them:
# signs the staged kolvar.exe when a certificate is given, and dates the staged files by
# SOURCE_DATE_EPOCH, as the packages that keep files' times (the .zip, the MSI's cabinet) show.
file(GLOB_RECURSE staged LIST_DIRECTORIES false ${CPACK_TEMPORARY_DIRECTORY}/*)
foreach(file IN LISTS staged)
    if(file MATCHES "\\.exe$")
        execute_process(COMMAND ${CPACK_KOLVAR_SIGN_SCRIPT} ${file} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${staged} COMMAND_ERROR_IS_FATAL ANY)
