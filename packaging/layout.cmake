# Where an install puts the program and its read-only data, for the install
# rules and for the program, which finds its data relative to itself (so an
# installed tree still works after it is moved).
include(GNUInstallDirs)
set(TRAMOX_INSTALL_BINDIR games)
set(TRAMOX_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tramox)
file(RELATIVE_PATH TRAMOX_DATA_FROM_PROGRAM /${TRAMOX_INSTALL_BINDIR} /${TRAMOX_INSTALL_DATADIR})
# The application's identity: the menu entry's and the icons' name, and the
# window's class, by which docks match the window to its entry.
set(TRAMOX_APP_ID org.tramox.tramox)
