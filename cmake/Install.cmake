# What `cmake --install` adds besides the two programs (their own folders install them to
# bin/): the launcher beside them, the sample data folder, the desktop entry and the icon.
#
#   bin/kalvintera-launch                          the desktop entry's command
#   share/kalvintera/data/                         the data folder each user's copy starts from
#   share/applications/kalvintera.desktop
#   share/icons/hicolor/<size>x<size>/apps/kalvintera.png
#
# The launcher finds the data folder as ../share/kalvintera/data from its own place, so the
# paths here are fixed rather than taken from GNUInstallDirs, and an installed tree works
# from any prefix (also unpacked into a scratch folder).

set(KALVINTERA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(KALVINTERA_ICON_DIR ${PROJECT_BINARY_DIR}/icons)

# The icon is drawn by the picture generator from the logo's fan emblem, in every usual size.
set(kalvintera_icon_stamp ${KALVINTERA_ICON_DIR}/icons.stamp)
add_custom_command(
  OUTPUT ${kalvintera_icon_stamp}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:kalvintera-pictures> --icons ${KALVINTERA_ICON_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${kalvintera_icon_stamp}
  DEPENDS kalvintera-pictures
  COMMENT "Drawing the desktop icon"
  VERBATIM)
add_custom_target(desktop_icon ALL DEPENDS ${kalvintera_icon_stamp})

install(PROGRAMS ${KALVINTERA_PACKAGING_DIR}/kalvintera-launch DESTINATION bin)
install(FILES ${KALVINTERA_PACKAGING_DIR}/kalvintera.desktop DESTINATION share/applications)
install(DIRECTORY ${KALVINTERA_ICON_DIR}/ DESTINATION share/icons/hicolor
  FILES_MATCHING PATTERN "kalvintera.png")
# The whole assembled folder, empty folders included: the program expects them. A build
# folder the program has run in (scripts/run) also holds what the program wrote there; that
# stays out: the settings file is installed from the source, orders are the user's, and
# the update's news and version files are read once and deleted, so the launcher, which
# restores every missing file, would bring them back on every start.
install(DIRECTORY ${KALVINTERA_SAMPLE_DATA_DIR}/ DESTINATION share/kalvintera/data
  PATTERN Kalvintera.ini EXCLUDE
  PATTERN news.txt EXCLUDE
  PATTERN ver.txt EXCLUDE
  PATTERN *.kvt EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/data/Kalvintera.ini DESTINATION share/kalvintera/data)
