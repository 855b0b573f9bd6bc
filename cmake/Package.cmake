# `cpack -G DEB` in a release build folder makes brimfold_<version>_<arch>.deb
# (packaging/build-deb.sh does it all). The package installs under /usr, with
# the program's folder at /usr/lib/brimfold; its Settings folder there is a
# link to /var/lib/brimfold/Settings, which the maintainer scripts make shared
# and group-writable (see packaging/debian/postinst).

set(CPACK_PACKAGE_NAME brimfold)
set(CPACK_PACKAGE_VENDOR "The Brimfold developers")
set(CPACK_PACKAGE_CONTACT "The Brimfold developers <support@brimfold.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find TIFF files in a folder tree and count their pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Brimfold searches a folder tree for TIFF image files, counts the pages of\n"
    "every file it finds and lists the files with their location, size,\n"
    "modification date and page count, together with the total number of pages.\n"
    "The list can be sorted, its files opened or deleted, and the list exported\n"
    "as delimited text. brimfold-count does the same search and count from\n"
    "the command line, without a display.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://brimfold.example/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Install with the real prefix under DESTDIR, so installed files may name their final paths.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the window system plugin, opening files and folders,
# the fonts and file-type icons the windows use, the file-type database, and
# addgroup for the settings group, Qt's own texts in the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, xdg-utils, fonts-liberation2, adwaita-icon-theme, hicolor-icon-theme, shared-mime-info, adduser, qt6-translations-l10n")
# Something to read Brimfold.chm with; glyphs for a Japanese report.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm | kchmviewer | okular, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/debian/postinst ${CMAKE_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Swap the staged Settings folder for the link to the shared one.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/DebSettingsLink.cmake)
set(BRIMFOLD_PACKAGE_SETTINGS_DIR /var/lib/brimfold/Settings)
set(CPACK_BRIMFOLD_SETTINGS_PATH "/usr/${BRIMFOLD_INSTALL_PROGRAMDIR}/Settings")
set(CPACK_BRIMFOLD_SETTINGS_TARGET ${BRIMFOLD_PACKAGE_SETTINGS_DIR})

include(CPack)
