# Read by cpack before it packs (CPACK_PROJECT_CONFIG_FILE). cpack dates every member of the
# package by SOURCE_DATE_EPOCH; unless the caller sets it, that is the time of the last commit,
# or outside a git checkout the date of the newest release, so that the same commit gives the
# same package whenever it is built.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch ${CPACK_KOLVAR_RELEASE_EPOCH})
    if(CPACK_KOLVAR_GIT)
        execute_process(COMMAND ${CPACK_KOLVAR_GIT} -C ${CPACK_KOLVAR_SOURCE_DIR}
                                log -1 --format=%ct
                        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE failed ERROR_QUIET)
        if(NOT failed AND commit_time MATCHES "^[0-9]+$")
            set(epoch ${commit_time})
        endif()
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
