# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of the three programs and their data, installed under /usr. The
# libraries it depends on are computed by dpkg-shlibdeps from what the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvisel)
set(CPACK_PACKAGE_VENDOR "The Korvisel developers")
set(CPACK_PACKAGE_CONTACT "The Korvisel developers <developers@korvisel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool of a GSM alarm communicator")
set(CPACK_PACKAGE_DESCRIPTION "Prepares every setting of a GSM alarm communicator with four inputs, three
switched outputs and a SIM card: the phone book, how each input reports (SMS,
ALARM, CLIP or Contact ID DATA), the outputs switched by SMS, the periodic test
and GSM supervision. Checks a project for gaps, writes it into the device over
a USB serial adapter and reads it back, and prints a configuration report.

korvisel-cli does the same from the command line, for many devices at once;
korvisel-devsim simulates devices for trying it out.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The report is laid out in DejaVu Sans; nothing links it, so it is named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
# The SVG icon engine for the window icon, the Wayland platform, and the desktop's opener (xdg-open)
# that Help, the check report and Show in Folder use.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, qt6-wayland, xdg-utils")
include(CPack)
