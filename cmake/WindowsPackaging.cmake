# What a Windows user downloads, made by `cpack` in the Windows build tree
# (scripts/package-windows): an installer that puts Kolvar in the Start menu and the list of
# installed programs, and a portable .zip of the program and its licence. The installer is a
# 64-bit program like kolvar.exe. Uninstalling leaves the user's settings in the registry.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Kolvar)
set(CPACK_PACKAGE_VENDOR "Kolvar developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Resistor colour code calculator")
set(CPACK_PACKAGE_FILE_NAME kolvar-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kolvar)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kolvar)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# The Start menu's shortcut, named as the program calls itself.
set(CPACK_PACKAGE_EXECUTABLES kolvar Kolvar)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME Kolvar)
set(CPACK_NSIS_PACKAGE_NAME Kolvar)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/kolvar.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/kolvar.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME kolvar.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# The .zip holds the files themselves, not a folder around them.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageLayout.cmake)
include(CPack)
