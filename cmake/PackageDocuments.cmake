# What a Debian package carries beside the program: the licence as a machine-readable copyright
# file, a changelog and the manual page, all made from files of this repository. The compressed
# ones use gzip -9n, which leaves out name and time, so that two builds give the same bytes.
find_program(KOLVAR_GZIP gzip REQUIRED)
set(KOLVAR_DOCUMENTS_DIR ${PROJECT_BINARY_DIR}/package-documents)

# kolvar_install_gzipped(file destination): installs file compressed as file.gz.
function(kolvar_install_gzipped file destination)
    get_filename_component(name ${file} NAME)
    set(copy ${KOLVAR_DOCUMENTS_DIR}/gzipped/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${file} ${copy}
        COMMAND ${KOLVAR_GZIP} -9nf ${copy}
        DEPENDS ${file}
        VERBATIM)
    string(MAKE_C_IDENTIFIER "gzip_${name}" target)
    add_custom_target(${target} ALL DEPENDS ${copy}.gz)
    install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

# The DEP-5 licence paragraph: LICENSE's text after its copyright line, each line indented by
# one space and each empty line written as " .".
function(kolvar_write_copyright license output)
    file(READ ${license} text)
    if(NOT text MATCHES "Copyright \\([cC]\\) ([^\n]+)\n+(.+)")
        message(FATAL_ERROR "${license} has no line \"Copyright (c) ...\" followed by the licence")
    endif()
    set(KOLVAR_COPYRIGHT_HOLDERS ${CMAKE_MATCH_1})
    string(STRIP "${CMAKE_MATCH_2}" paragraphs)
    # Twice, as one pass leaves every second of several empty lines in a row.
    string(REPLACE "\n\n" "\n.\n" paragraphs "${paragraphs}")
    string(REPLACE "\n\n" "\n.\n" paragraphs "${paragraphs}")
    string(REPLACE "\n" "\n " paragraphs " ${paragraphs}")
    set(KOLVAR_LICENSE_PARAGRAPHS "${paragraphs}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/copyright.in ${output} @ONLY)
endfunction()

# One entry per release of the AppStream data, newest first, dated by it; its newest release must
# be the version being built, or the package would contradict its own changelog. Sets
# KOLVAR_RELEASE_EPOCH to the newest release's date in seconds since 1970.
function(kolvar_write_changelog metainfo output)
    file(READ ${metainfo} text)
    string(REGEX MATCHALL "<release version=\"[^\"]+\" date=\"[^\"]+\"" releases "${text}")
    set(changelog "")
    foreach(release IN LISTS releases)
        string(REGEX MATCH "version=\"([^\"]+)\" date=\"([^\"]+)\"" fields "${release}")
        set(version ${CMAKE_MATCH_1})
        set(day ${CMAKE_MATCH_2})
        execute_process(COMMAND date -u -R -d ${day}
                        OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
        if(NOT DEFINED epoch)
            execute_process(COMMAND date -u -d ${day} +%s
                            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                            COMMAND_ERROR_IS_FATAL ANY)
            set(KOLVAR_RELEASE_EPOCH ${epoch} PARENT_SCOPE)
        endif()
        string(APPEND changelog "${PROJECT_NAME} (${version}) unstable; urgency=medium\n\n"
               "  * Release ${version}.\n\n -- ${CPACK_PACKAGE_CONTACT}  ${date}\n\n")
    endforeach()
    if(NOT changelog MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\)")
        message(FATAL_ERROR "The newest release in ${metainfo} is not ${PROJECT_VERSION}")
    endif()
    string(REGEX REPLACE "\n\n$" "\n" changelog "${changelog}")
    file(GENERATE OUTPUT ${output} CONTENT "${changelog}")
endfunction()

set(KOLVAR_LICENSE_FILE ${PROJECT_SOURCE_DIR}/LICENSE)
set(KOLVAR_METAINFO_FILE ${PROJECT_SOURCE_DIR}/resources/desktop/io.github.kolvar.metainfo.xml)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${KOLVAR_LICENSE_FILE} ${KOLVAR_METAINFO_FILE})
kolvar_write_copyright(${KOLVAR_LICENSE_FILE} ${KOLVAR_DOCUMENTS_DIR}/copyright)
kolvar_write_changelog(${KOLVAR_METAINFO_FILE} ${KOLVAR_DOCUMENTS_DIR}/changelog)

install(FILES ${KOLVAR_DOCUMENTS_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
kolvar_install_gzipped(${KOLVAR_DOCUMENTS_DIR}/changelog ${CMAKE_INSTALL_DOCDIR})
kolvar_install_gzipped(${PROJECT_SOURCE_DIR}/resources/desktop/kolvar.1
                       ${CMAKE_INSTALL_MANDIR}/man1)
