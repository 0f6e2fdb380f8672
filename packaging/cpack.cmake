# A Debian package of the install layout: cpack -G DEB in a release build folder.
set(CPACK_PACKAGE_NAME warehaus4)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Warehaus4 developers")
set(CPACK_PACKAGE_CONTACT "Warehaus4 <warehaus4@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sokoban game with a level editor and a solution player")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://warehaus4.example.org)
# The summary is the package's first line; this text follows it.
set(CPACK_PACKAGE_DESCRIPTION
  "Walk the warehouse keeper over the floor and push every box onto a target.
Warehaus4 comes with 270 levels by David W. Skinner, keeps your best
solution for every level and replays it, and lets you paint your own
levels in its editor. In eleven languages, from English and French to
Russian, Simplified Chinese and Japanese.")
# The libraries the programs link come from the built binaries; what is loaded at run time (the
# X11 platform plugin, SDL and SDL_mixer, which the game opens once its window shows, the General
# MIDI sound font, the fonts that draw Chinese and Japanese) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsdl2-2.0-0, libsdl2-mixer-2.0-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "timgm6mb-soundfont | fluid-soundfont-gm, fonts-noto-cjk")
include(CPack)
