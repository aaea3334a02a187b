# `cpack` in the build directory makes a Debian package whose dependencies dpkg-shlibdeps works out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolvar)
set(CPACK_PACKAGE_VENDOR "Kolvar developers")
set(CPACK_PACKAGE_CONTACT "Kolvar developers <kolvar@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Resistor colour code calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Shows a resistor with four or five colour bands and the value and tolerance they mark.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build tree; the package gets what runs.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Without it Qt falls back to X through Xwayland on a Wayland desktop: blurred when scaled.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
