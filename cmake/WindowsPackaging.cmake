# What a Windows user or administrator downloads, made by `cpack` in the Windows build tree
# (scripts/package-windows): an installer that needs no administrator (cmake/windows/
# NSIS.template.in), an MSI for deployment to many machines (cmake/windows/Msi.cmake), and a
# portable .zip of the program and its licence. All are 64-bit, like kolvar.exe. Uninstalling
# leaves the user's settings in the registry.
set(CPACK_GENERATOR NSIS ZIP External)
set(CPACK_PACKAGE_NAME Kolvar)
set(CPACK_PACKAGE_VENDOR "Kolvar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Resistor colour code calculator")
set(CPACK_PACKAGE_FILE_NAME kolvar-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kolvar)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# The installer is this project's own script, which cpack fills in with the files.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)
set(CPACK_KOLVAR_ICON ${PROJECT_SOURCE_DIR}/resources/windows/kolvar.ico)

# The MSI, made by wixl from the files cpack has staged.
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/windows/Msi.cmake)
find_program(KOLVAR_WIXL wixl)
set(CPACK_KOLVAR_WIXL "${KOLVAR_WIXL}")
set(CPACK_KOLVAR_WXS ${CMAKE_CURRENT_LIST_DIR}/windows/kolvar.wxs.in)

# Signed when the environment names a certificate (scripts/sign-windows): the staged kolvar.exe
# before any package takes it, the installer and its uninstaller as makensis makes them, the MSI.
set(CPACK_KOLVAR_SIGN_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/sign-windows)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/windows/SignProgram.cmake)

# The same commit gives the same bytes: dated as the .deb is (cmake/PackageDate.cmake), by the
# last commit or else by the newest release.
file(READ ${PROJECT_SOURCE_DIR}/resources/desktop/io.github.kolvar.metainfo.xml metainfo)
string(REGEX MATCH "<release version=\"[^\"]+\" date=\"([^\"]+)\"" release "${metainfo}")
execute_process(COMMAND date -u -d ${CMAKE_MATCH_1} +%s
                OUTPUT_VARIABLE CPACK_KOLVAR_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
find_package(Git QUIET)
set(CPACK_KOLVAR_GIT "${GIT_EXECUTABLE}")
set(CPACK_KOLVAR_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_KOLVAR_PACKAGE_DATE ${CMAKE_CURRENT_LIST_DIR}/PackageDate.cmake)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows/PackageLayout.cmake)
include(CPack)
