# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh does it all) writes
# vavivor_<version>_<arch>.deb with everything `cmake --install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vavivor)
set(CPACK_PACKAGE_VENDOR "Vavivor developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vavivor developers <vavivor@example.org>")
# Under /usr, whatever prefix the build folder was set up with; the DEB generator installs with
# DESTDIR, so the launcher names /usr/bin/vavivor and not the folder the package is put
# together in.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "breed branching line figures by artificial selection")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vavivor grows branching line figures from eight genes and breeds them by
artificial selection: a 5 x 5 grid of 24 random mutants, or the 16
single-gene relatives of a central figure, and a click picks the parent of
the next generation. Figures and chains are kept in storage files (*.zlr)
with a catalogue, and screens and catalogues are printed.
.
The package also holds vavivor-cli, which draws the same figures and
screens as text, SVG or PNG and reads storage files without a window.")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link, found by dpkg-shlibdeps. The platform plugin and the help's
# SQLite driver are loaded at run time: the X11 plugin comes with libqt6gui6, the SQLite driver
# is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
