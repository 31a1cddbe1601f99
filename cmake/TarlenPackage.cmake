# The Debian package: cpack --config build/CPackConfig.cmake -G DEB (scripts/package).
set(CPACK_PACKAGE_NAME tarlen)
set(CPACK_PACKAGE_VENDOR "Tarlen")
set(CPACK_PACKAGE_CONTACT "Tarlen <tarlen@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graph digitizer with a Turkish user interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarlen reads the numbers behind the curves of a plotted graph that\n"
    "exists only as a picture. Load a scan or a screenshot, calibrate each\n"
    "axis with two clicked reference points and their values (linear or\n"
    "logarithmic), then click along each curve: every click becomes a pair\n"
    "of real numbers, written at once to one text file per curve in the\n"
    "working folder.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TARLEN_HOMEPAGE}")
# Runtime dependencies from the libraries the program links, as dpkg-shlibdeps finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Turkish message-box buttons come from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
