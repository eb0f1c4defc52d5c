# The README's screenshots: tools/screenshots runs the program on the
# off-screen backend with the test-side player. Made on request only:
#   cmake --build <build> --target docs_screenshots
# writes docs/screenshots/*.png, which are committed.
add_executable(screenshots tools/screenshots/main.cpp tests/support/gamedir.cpp tests/support/run_program.cpp
  tests/game/autoplayer.cpp)
target_include_directories(screenshots PRIVATE src tests/support tests/game)
target_compile_options(screenshots PRIVATE ${TRAMOX_WARNINGS})
target_compile_definitions(screenshots PRIVATE TRAMOX_GAME_DIR="${TRAMOX_GAME_DIR}")
# The game ahead of GLU and OSMesa, so that its GLU calls find them.
target_link_libraries(screenshots PRIVATE tramox_headless tramox_game tramox_png PkgConfig::OSMESA PkgConfig::GLU)
set_target_properties(screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
add_dependencies(screenshots tramox_assets tramox_maps)
set_target_properties(screenshots PROPERTIES EXCLUDE_FROM_ALL ON)

add_custom_target(docs_screenshots
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_SOURCE_DIR}/docs/screenshots
  COMMAND ${CMAKE_COMMAND} -E env "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
          $<TARGET_FILE:screenshots> ${CMAKE_SOURCE_DIR}/docs/screenshots
  DEPENDS screenshots
  COMMENT "Rendering the README's screenshots"
  VERBATIM)
