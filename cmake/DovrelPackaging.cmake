# A Debian package of the installed tree: `cpack --config build/dev/CPackConfig.cmake`
# (or `cmake --build --preset dev --target package`) writes
# dovrel-cleaner_<version>_<arch>.deb into the build folder. It holds every
# component: the bundle under /usr/lib/dovrel-cleaner with the launcher
# /usr/bin/dovrel-cleaner, the desktop files, the command-line front end and
# the man pages. Library dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dovrel-cleaner")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Halvik")
set(CPACK_PACKAGE_CONTACT "Dovrel Cleaner developers <dovrel-cleaner@halvik.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "disk cleaner for the home folder")
set(CPACK_PACKAGE_DESCRIPTION
  "Dovrel Cleaner looks through a home folder in seven categories (application caches,
logs, leftovers of removed applications, browser data, mail attachments, installer
files and the Trash), shows what it found with sizes and removes only what the user
leaves ticked. It comes with an optional login reminder and a command-line front end.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations and the SVG icon plug-in (icons of other programs).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, libqt6svg6")
include(CPack)
