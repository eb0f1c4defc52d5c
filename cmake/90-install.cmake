# Installing the game. The installed program runs in the player's own
# folder, which links to the read-only data (src/platform/linux/player_folder.cpp).
include(GNUInstallDirs)

set(TRAMOX_INSTALL_BINDIR games)
set(TRAMOX_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tramox)

# The program finds its data relative to itself, so an installed tree
# still works after it is moved.
file(RELATIVE_PATH TRAMOX_DATA_FROM_PROGRAM /${TRAMOX_INSTALL_BINDIR} /${TRAMOX_INSTALL_DATADIR})
target_sources(tramox_sdl PRIVATE ${CMAKE_SOURCE_DIR}/src/platform/linux/player_folder.cpp)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/linux/player_folder.cpp PROPERTIES
  COMPILE_DEFINITIONS TRAMOX_DATA_FROM_PROGRAM="${TRAMOX_DATA_FROM_PROGRAM}")

# PNG files for the icons and the screenshots.
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
add_library(tramox_png STATIC ${CMAKE_SOURCE_DIR}/tools/png/png_file.cpp)
target_include_directories(tramox_png PUBLIC ${CMAKE_SOURCE_DIR}/tools/png)
target_compile_options(tramox_png PRIVATE ${TRAMOX_WARNINGS})
target_link_libraries(tramox_png PUBLIC PkgConfig::LIBPNG)
target_link_libraries(make_assets PRIVATE tramox_png)
