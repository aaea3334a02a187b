if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
    return()
endif()

# `cpack` in the build directory makes a Debian package whose dependencies dpkg-shlibdeps works out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolvar)
set(CPACK_PACKAGE_VENDOR "Kolvar developers")
set(CPACK_PACKAGE_CONTACT "Kolvar developers <kolvar@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Resistor colour code calculator")
# CPack indents each line by one space in the control file, where Debian wants at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "kolvar shows a resistor with four or five colour bands and, under it, the
value and tolerance those bands mark. The colour of each band is picked from
a pop-up menu of swatches, and the choice is kept for the next start. The
interface is in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(cmake/PackageDocuments.cmake)
# Debug information stays in the build tree; the package gets what runs, without the compilers'
# version notes in .comment either.
set(CPACK_STRIP_FILES ON)
if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF" AND CMAKE_OBJCOPY)
    set(program ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:kolvar>)
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${program}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()
# The same commit gives the same bytes: CPack packs the members in name order and owned by root;
# cmake/PackageDate.cmake dates them and cmake/PackageModes.cmake fixes the archive's own modes.
find_package(Git QUIET)
set(CPACK_KOLVAR_GIT "${GIT_EXECUTABLE}")
set(CPACK_KOLVAR_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_KOLVAR_RELEASE_EPOCH ${KOLVAR_RELEASE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageDate.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageModes.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Without it Qt falls back to X through Xwayland on a Wayland desktop: blurred when scaled.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
