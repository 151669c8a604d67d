# A Debian package of the installation: cmake --build build --target package
# (or cpack in the build folder) writes velkeval_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkeval)
set(CPACK_PACKAGE_VENDOR "The VelkEval developers")
set(CPACK_PACKAGE_CONTACT "The VelkEval developers <developers@velkeval.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "register-map tool for display-interface chips on an I2C bus")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "VelkEval opens a device description (chips, registers, bit fields and how each\n"
    "field is shown) and keeps on-screen controls, an in-memory register map and the\n"
    "chip in step over an I2C link: an adapter on the parallel port or any Linux I2C\n"
    "bus. It comes with velkeval-cli for scripts, the syncdelay tool and a simulated\n"
    "evaluation board.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velkeval.org/)
# The libraries the programs need, found by dpkg-shlibdeps; the window font by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
