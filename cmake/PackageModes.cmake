# Run by cpack after it packs (CPACK_POST_BUILD_SCRIPTS). A .deb is an ar archive of three
# members, which cpack writes with the permissions the umask gives new files; this sets them to
# rw-r--r--, as dpkg-deb writes them, so that the package's bytes do not depend on the umask.
set(mode_field ${CPACK_TOPLEVEL_DIRECTORY}/ar-member-mode)
file(WRITE ${mode_field} "100644  ")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    file(READ ${package} magic LIMIT 8)
    if(NOT magic STREQUAL "!<arch>\n")
        message(FATAL_ERROR "${package} is not an ar archive")
    endif()
    file(SIZE ${package} package_size)
    # Each member: a 60-byte header (name 16, date 12, owner 6, group 6, mode 8, size 10, "`\n"),
    # then its data, padded to an even length.
    set(header_at 8)
    while(header_at LESS package_size)
        file(READ ${package} header OFFSET ${header_at} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 member_size)
        string(STRIP "${member_size}" member_size)
        if(NOT header MATCHES "`\n$" OR NOT member_size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${package}: no ar member header at byte ${header_at}")
        endif()
        math(EXPR mode_at "${header_at} + 40")
        execute_process(COMMAND dd if=${mode_field} of=${package} bs=1 seek=${mode_at} count=8
                                conv=notrunc status=none
                        COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR header_at "${header_at} + 60 + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
file(REMOVE ${mode_field})
