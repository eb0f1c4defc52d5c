# The fuzz targets that load game files (fuzz_map_file, fuzz_settings_file)
# go through the game's own loaders on the off-screen backend, so they link
# the game and the headless backend, compiled here with the fuzzer's
# coverage and sanitizers. The targets themselves come from 70-fuzz.cmake.
if(TRAMOX_FUZZ)
  set(TRAMOX_FUZZ_GAME_TARGETS fuzz_map_file fuzz_settings_file)
  add_library(tramox_fuzz_game STATIC ${TRAMOX_GAME_SOURCES} ${TRAMOX_HEADLESS_SOURCES} ${TRAMOX_LINUX_SOURCES})
  target_sources(tramox_fuzz_game INTERFACE ${CMAKE_SOURCE_DIR}/src/platform/headless/default_backend.cpp)
  target_include_directories(tramox_fuzz_game PUBLIC ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/platform/headless)
  target_compile_options(tramox_fuzz_game PRIVATE ${TRAMOX_WARNINGS} -fsanitize=fuzzer-no-link,address,undefined
                         -fno-sanitize-recover=undefined)
  target_link_libraries(tramox_fuzz_game PUBLIC PkgConfig::OSMESA PkgConfig::GLU PkgConfig::FREETYPE
                        PkgConfig::FONTCONFIG)
  foreach(name ${TRAMOX_FUZZ_GAME_TARGETS})
    if(TARGET ${name})
      target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/gamedir.cpp)
      target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
      target_link_libraries(${name} PRIVATE tramox_fuzz_game)
      target_compile_definitions(${name} PRIVATE TRAMOX_GAME_DIR="${TRAMOX_GAME_DIR}")
      # Its game folder is a copy of the built one.
      add_dependencies(${name} tramox_assets tramox_maps)
    endif()
  endforeach()
endif()
