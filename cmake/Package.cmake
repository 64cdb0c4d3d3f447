# `cpack -G DEB` builds the Debian package from the same install; dpkg-shlibdeps works out the
# dependencies on the runtime packages (Qt, the HTTP library) from the programs themselves.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvane)
set(CPACK_PACKAGE_VENDOR "Morvane developers")
set(CPACK_PACKAGE_CONTACT "Morvane developers <developers@morvane.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure ready-made web applets and get their HTML code")
set(CPACK_PACKAGE_DESCRIPTION
    "Morvane offers a catalog of 50 ready-made web applets for people who build
web pages. Pick one, fill in its parameters on a guided page, and Morvane
validates them, writes the HTML code that embeds the applet, copies the files
the page needs, previews the result in the web browser and converts WAV sounds
to AU sounds.
.
The command-line tool morvane-cli generates the same code in scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.morvane.net/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The live preview's web engine runs its pages in a helper program that no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin")
# Previews and sample pages open in the browser through the desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
include(CPack)
