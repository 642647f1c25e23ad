# A Debian package of what the install rules install, made from a build tree that already exists:
#   cmake --build --preset release && cpack --preset release
# (or cpack -G DEB --config <build>/CPackConfig.cmake for any other build tree).
set(CPACK_PACKAGE_NAME curvedesk)
set(CPACK_PACKAGE_VENDOR "The CurveDesk developers")
set(CPACK_PACKAGE_CONTACT "The CurveDesk developers <packages@curvedesk.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://curvedesk.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ignition timing curve designer and ignition programmer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "CurveDesk designs ignition timing curves for programmable capacitive-discharge\n"
    "ignition modules, keeps them in .crv files, prints them and programs them into an\n"
    "ignition through a USB serial programmer. The package holds the full and the\n"
    "compact edition, curvedesk-cli (the same engine without windows) and\n"
    "curvedesk-emulator, a software ignition board on a pseudo-terminal.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the programs link come from dpkg-shlibdeps. Qt loads the SVG icon engine as a plugin,
# which shlibdeps cannot see; the Wayland platform plugin is optional (XWayland works without it).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# No maintainer scripts: the desktop, MIME and icon caches are refreshed by the file triggers of
# desktop-file-utils, shared-mime-info and hicolor-icon-theme when dpkg unpacks our files.

include(CPack)
