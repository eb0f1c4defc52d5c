# Installing the game (cmake --install) and packaging it (CPack DEB):
#   <prefix>/games/tramox                       the program
#   <prefix>/share/tramox/{Maps,Textures,...}   the read-only game data
#   <prefix>/share/applications, icons, metainfo, man/man6, doc/tramox
# The installed program runs in the player's own folder, which links to the
# data (src/platform/linux/player_folder.cpp); nothing is written under the
# prefix.
include(GNUInstallDirs)

# The version both packages carry (scripts/package reads it for Windows).
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/version.txt TRAMOX_VERSION LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/version.txt)
set(TRAMOX_RELEASE_DATE 2026-12-07)
set(TRAMOX_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")
set(TRAMOX_APP_ID org.tramox.tramox)
set(TRAMOX_MAINTAINER "Tramox developers <developers@tramox.org>")
set(TRAMOX_SUMMARY "snake game in 3D with ten walled levels")
set(TRAMOX_INSTALL_BINDIR games)
set(TRAMOX_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/tramox)
set(TRAMOX_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/tramox)
# The game's read-only data folders, as the game names them. A folder this
# build does not make is left out of the install.
set(TRAMOX_DATA_FOLDERS Maps Textures Sounds)

set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The program finds its data relative to itself, so an installed tree
# still works after it is moved.
file(RELATIVE_PATH TRAMOX_DATA_FROM_PROGRAM /${TRAMOX_INSTALL_BINDIR} /${TRAMOX_INSTALL_DATADIR})
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/platform/linux/player_folder.cpp PROPERTIES
  COMPILE_DEFINITIONS TRAMOX_DATA_FROM_PROGRAM="${TRAMOX_DATA_FROM_PROGRAM}")

# PNG files for the icons and the screenshots.
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
add_library(tramox_png STATIC ${CMAKE_SOURCE_DIR}/tools/png/png_file.cpp)
target_include_directories(tramox_png PUBLIC ${CMAKE_SOURCE_DIR}/tools/png)
target_compile_options(tramox_png PRIVATE ${TRAMOX_WARNINGS})
target_link_libraries(tramox_png PUBLIC PkgConfig::LIBPNG)
target_link_libraries(make_assets PRIVATE tramox_png)

set(TRAMOX_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${TRAMOX_ICON_DIR}/256x256/apps/${TRAMOX_APP_ID}.png
  COMMAND ${CMAKE_COMMAND} -E env "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
          $<TARGET_FILE:make_assets> --icons ${TRAMOX_ICON_DIR} ${TRAMOX_APP_ID}
  DEPENDS make_assets
  COMMENT "Painting the icons"
  VERBATIM)

# The manual page and the Debian change log are installed compressed.
set(TRAMOX_PACKAGING ${CMAKE_SOURCE_DIR}/packaging/linux)
set(TRAMOX_STAGED ${CMAKE_BINARY_DIR}/packaging)
configure_file(${TRAMOX_PACKAGING}/tramox.6.in ${TRAMOX_STAGED}/tramox.6 @ONLY)
configure_file(${TRAMOX_PACKAGING}/changelog.in ${TRAMOX_STAGED}/changelog @ONLY)
configure_file(${TRAMOX_PACKAGING}/tramox.metainfo.xml.in ${TRAMOX_STAGED}/${TRAMOX_APP_ID}.metainfo.xml @ONLY)
set(TRAMOX_COMMAND @TRAMOX_COMMAND@)  # filled in at install time, when the prefix is known
configure_file(${TRAMOX_PACKAGING}/tramox.desktop.in ${TRAMOX_STAGED}/${TRAMOX_APP_ID}.desktop.in @ONLY)
find_program(GZIP gzip REQUIRED)
foreach(name tramox.6 changelog)
  add_custom_command(
    OUTPUT ${TRAMOX_STAGED}/${name}.gz
    COMMAND ${GZIP} -9nc ${TRAMOX_STAGED}/${name} > ${TRAMOX_STAGED}/${name}.gz
    DEPENDS ${TRAMOX_STAGED}/${name}
    VERBATIM)
endforeach()
# Made with the game, so that a build of the game alone installs.
add_custom_target(tramox_install_files DEPENDS
  ${TRAMOX_ICON_DIR}/256x256/apps/${TRAMOX_APP_ID}.png ${TRAMOX_STAGED}/tramox.6.gz ${TRAMOX_STAGED}/changelog.gz)
add_dependencies(tramox tramox_install_files)

install(TARGETS tramox RUNTIME DESTINATION ${TRAMOX_INSTALL_BINDIR})
foreach(folder ${TRAMOX_DATA_FOLDERS})
  install(DIRECTORY ${TRAMOX_GAME_DIR}/${folder} DESTINATION ${TRAMOX_INSTALL_DATADIR} OPTIONAL)
endforeach()
install(DIRECTORY ${TRAMOX_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${TRAMOX_STAGED}/${TRAMOX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TRAMOX_STAGED}/tramox.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${TRAMOX_PACKAGING}/copyright ${TRAMOX_STAGED}/changelog.gz DESTINATION ${TRAMOX_INSTALL_DOCDIR})
# The menu entry starts the program by its installed path.
install(CODE "
  set(TRAMOX_COMMAND \"\${CMAKE_INSTALL_PREFIX}/${TRAMOX_INSTALL_BINDIR}/tramox\")
  configure_file(${TRAMOX_STAGED}/${TRAMOX_APP_ID}.desktop.in
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${TRAMOX_APP_ID}.desktop\" @ONLY)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES
       \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/${TRAMOX_APP_ID}.desktop\")")

# The installed command under a virtual X server, from a read-only prefix.
# scripts/test checks the Debian package the same way.
if(TRAMOX_TESTS AND TARGET tramox_screen_check)
  add_test(NAME installed_game
    COMMAND ${CMAKE_SOURCE_DIR}/tests/install/installed_game.sh $<TARGET_FILE:tramox_screen_check>
            --build ${CMAKE_BINARY_DIR})
  set_tests_properties(installed_game PROPERTIES
    TIMEOUT 180
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
endif()

# The Debian package: scripts/package builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tramox)
set(CPACK_PACKAGE_VERSION ${TRAMOX_VERSION})
set(CPACK_PACKAGE_VENDOR "Tramox developers")
set(CPACK_PACKAGE_CONTACT ${TRAMOX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${TRAMOX_SUMMARY})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TRAMOX_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The text writer's bold monospaced face.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
# CPack puts the summary first and indents these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tramox steers a snake of spheres across ten walled levels, seen from a
tilted camera that follows its head. Eat the blue food to grow, reach the
level's length to open the next one, and don't bite yourself.

The game runs full-screen; settings are kept per player in
~/.local/share/tramox.")
include(CPack)
