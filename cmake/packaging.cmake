# The Debian package (scripts/package, or cpack in a build folder): quillmere_<version>_<arch>.deb with
# the two programs, the dictionary, the menu entry, the file type, the icons and the manual pages.
# Its library dependencies are found by dpkg-shlibdeps from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VENDOR "Quillmere")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword construction program")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmere builds crosswords: symmetrical crosswords filled on 279 stock grids from its built-in\n"
    "dictionary or a word list of your own, and freeform crosswords grown from a word list. It shows\n"
    "and edits the clues, saves crosswords as .xwd files and puts them out as a printed page or PDF,\n"
    "RTF, HTML or clipboard text. quillmere-cli does the same work without a window.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillmere maintainers <maintainers@quillmere.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quillmere.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printed page's default font has metric-compatible free faces; Wayland sessions want Qt's plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qt6-wayland")
include(CPack)
