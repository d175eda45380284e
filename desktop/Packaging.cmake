# The Debian package: cpack -G DEB in the build folder (tools/package does it) writes
# tessaly_<version>_amd64.deb. Its library dependencies are found by dpkg-shlibdeps in the
# staged files (PackageDepends.cmake); the fonts are named by hand, as the program asks for
# them by family at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Tessaly)
set(CPACK_PACKAGE_CONTACT "Tessaly <${TESSALY_MAIL_ADDRESS}>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jigsaw puzzle and memory game in a wooden window")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSALY_WEB_ADDRESS})
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/PackageDepends.cmake)
# Qt's readers of WebP and TIFF pictures are plug-ins, loaded at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-image-formats-plugins")
# Qt's German texts for the buttons of the few framework boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The long description, in English and German (CPack puts the summary above it and turns
# the empty line into the control file's paragraph mark).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tessaly turns a picture into a jigsaw puzzle and also offers a memory game.
Open a photo or picture (JPEG, PNG, WebP, TIFF, GIF, BMP or WMF) or one of
the bundled motifs, choose Standard (scattered pieces), Kaskade (one stack of
pieces) or Memory (pairs of cards) and a size, and play with the mouse. Every
game is timed, and the ten best times of each size are kept with the player's
name. The interface is German.

Tessaly macht aus einem Bild ein Puzzle und bietet außerdem ein Memory-Spiel.
Öffnen Sie ein Foto oder Bild (JPEG, PNG, WebP, TIFF, GIF, BMP oder WMF) oder
eines der mitgelieferten Motive, wählen Sie Standard (verstreute Teile),
Kaskade (ein Stapel von Teilen) oder Memory (Kartenpaare) und eine Größe, und
spielen Sie mit der Maus. Jedes Spiel wird gestoppt; die zehn besten Zeiten
jeder Größe werden mit dem Namen des Spielers gespeichert.")

include(CPack)
