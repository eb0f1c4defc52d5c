# Page pictures and surface textures: painted by tools/make_assets into the
# game folder's Textures/ at build time, and painted again whenever the tool
# changes.
file(GLOB TRAMOX_MAKE_ASSETS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_assets/*.cpp)
add_executable(make_assets ${TRAMOX_MAKE_ASSETS_SOURCES})
target_compile_options(make_assets PRIVATE ${TRAMOX_WARNINGS})
target_include_directories(make_assets PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(make_assets PRIVATE PkgConfig::FREETYPE PkgConfig::FONTCONFIG)
set_target_properties(make_assets PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# The names come from the game's texture list, its only quoted words.
set(TRAMOX_TEXTURE_LIST ${CMAKE_SOURCE_DIR}/src/Engine/texturelist.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TRAMOX_TEXTURE_LIST})
file(READ ${TRAMOX_TEXTURE_LIST} TRAMOX_TEXTURE_LIST_TEXT)
string(REGEX MATCHALL "\"[A-Za-z]+\"" TRAMOX_TEXTURE_NAMES "${TRAMOX_TEXTURE_LIST_TEXT}")
set(TRAMOX_TEXTURES)
foreach(name ${TRAMOX_TEXTURE_NAMES})
  string(REPLACE "\"" "" name ${name})
  list(APPEND TRAMOX_TEXTURES ${TRAMOX_GAME_DIR}/Textures/${name}.txu)
endforeach()

# In a sanitizer build the tool runs under LeakSanitizer too; fontconfig's
# own caches are suppressed as in the tests.
add_custom_command(
  OUTPUT ${TRAMOX_TEXTURES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TRAMOX_GAME_DIR}/Textures
  COMMAND ${CMAKE_COMMAND} -E env "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
          $<TARGET_FILE:make_assets> ${TRAMOX_GAME_DIR}/Textures
  DEPENDS make_assets
  COMMENT "Painting the game's pictures and textures"
  VERBATIM)
add_custom_target(tramox_assets ALL DEPENDS ${TRAMOX_TEXTURES})
add_dependencies(tramox tramox_assets)
