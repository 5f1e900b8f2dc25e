# cpack -G DEB: a Debian package of what cmake --install lays out, below /usr. Its dependencies are
# read from the shared libraries the programs link (dpkg-shlibdeps), so they follow the build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fernzahl)
set(CPACK_PACKAGE_VENDOR "The Fernzahl developers")
set(CPACK_PACKAGE_CONTACT "The Fernzahl developers <dev@fernzahl.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "meter for the telephone charges of dial-up connections")
# Debian wants the long description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "Fernzahl sits in the notification area, notices when a PPP link, a\n\
NetworkManager dial-up profile or a serial modem line comes up, meters\n\
the connection unit by unit with the tariff of the moment, keeps daily,\n\
weekly, monthly and total counters and logs every connection; the log is\n\
filtered, summarised, printed and exported as text, and tariffs are\n\
edited and compared in windows.\n\
fernzahl-cli meters without a window (also as a systemd user unit), tells\n\
what a call will cost, exports the log as text, CSV or JSON, summarises\n\
it, imports and exports tariffs as text, and reads and changes the\n\
counters and settings from a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Help opens in the desktop's browser through xdg-open (without it, in a window of its own); Qt's
# own dialogs speak German through Qt's translations; the printouts use Liberation Serif where
# Times New Roman is missing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, fonts-liberation2")
include(CPack)
