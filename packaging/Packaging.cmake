# Debian package of both programs, made with `cpack -G DEB` in the build folder.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "vorlane")
set(CPACK_PACKAGE_VENDOR "vorlane")
set(CPACK_PACKAGE_CONTACT "vorlane project <vorlane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "French Scrabble trainer on new words, with its list workshop")
set(CPACK_PACKAGE_DESCRIPTION "vorlane drills series of draws of French Scrabble word lists against the clock; extracteur prepares those lists.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
# The Qt 6 runtime and its French texts (the file dialog), the faces that stand in for the
# designed ones (captions, the seven faces of the draws, the letter tiles), and what the import
# of a player's words reads: the modern dictionary, Hunspell's library, and the older word list
# that making the lexicon needs when the installed one does not fit the dictionary. The C and
# C++ runtimes come with every Debian system.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, fonts-roboto-unhinted, fonts-open-sans, fonts-crosextra-caladea, fonts-liberation2, fonts-dejavu-core, hunspell-fr-classical, libhunspell-1.7-0, wfrench")
set(CPACK_STRIP_FILES ON)
include(CPack)
