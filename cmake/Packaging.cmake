# The Debian package wenbridge_VERSION_ARCH.deb (cpack -G DEB in a build
# folder): what "cmake --install" puts in place, under /usr.
set(CPACK_PACKAGE_NAME wenbridge)
set(CPACK_PACKAGE_VENDOR "Wenbridge")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English to Simplified Chinese translator for web pages, text and corpora")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "wenb97 translates English web pages (keeping every byte of their mark-up), plain text and\n"
       "line-by-line corpora into Simplified Chinese with a rule-based engine. It translates whole\n"
       "folders with worker threads and runs as a line filter under GNU parallel.")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Wenbridge developers <wenbridge@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
