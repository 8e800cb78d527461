# A Debian package of the installed program: `cpack -G DEB` in the build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME punti-e-rette)
set(CPACK_PACKAGE_VENDOR "Punti e rette")
set(CPACK_PACKAGE_CONTACT "Punti e rette <punti-e-rette@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "points, distances, triangles and lines on the Cartesian plane")
set(CPACK_PACKAGE_DESCRIPTION
    "Punti e rette teaches plane analytic geometry, with an Italian interface.
Type three points and a full scale; the program draws them on a dotted
Cartesian plane with their triangle, distances and area, or the line
through two of them with its equation and, for P1-P2, its perpendicular.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; Qt's X11 platform plugin is only a
# Recommends of libqt6gui6, and without it the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The window names DejaVu Sans, the closest match of the old face; Qt's
# translations put the print and save dialogs in the desktop's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
