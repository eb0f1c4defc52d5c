# Benchmarks (-DTRAMOX_BENCH=ON, run by scripts/bench in a Release build):
# XML throughput against pugixml, tinyxml2 and libxml2 (Debian packages used
# by the benchmark only), the game's frame, loading, start-up and pacing
# figures on the off-screen backend, and a soak of many games. Binaries go
# to <build>/bench/.
if(TRAMOX_BENCH)
  pkg_check_modules(PUGIXML REQUIRED IMPORTED_TARGET pugixml)
  pkg_check_modules(TINYXML2 REQUIRED IMPORTED_TARGET tinyxml2)
  pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)

  add_executable(xml_bench bench/xml_bench.cpp bench/documents.cpp)
  target_link_libraries(xml_bench PRIVATE xmlparser PkgConfig::PUGIXML PkgConfig::TINYXML2 PkgConfig::LIBXML2)

  # The game benchmarks drive the game as the tests do: a private game
  # folder, the off-screen backend and the test-side player.
  set(TRAMOX_BENCH_GAME_SUPPORT ${CMAKE_SOURCE_DIR}/tests/support/gamedir.cpp ${CMAKE_SOURCE_DIR}/tests/support/run_program.cpp
      ${CMAKE_SOURCE_DIR}/tests/game/autoplayer.cpp)
  add_executable(game_bench bench/game_bench.cpp bench/documents.cpp ${TRAMOX_BENCH_GAME_SUPPORT})
  add_executable(soak_bench bench/soak_bench.cpp tests/reliability/soak_driver.cpp ${TRAMOX_BENCH_GAME_SUPPORT})
  foreach(target game_bench soak_bench)
    # The game before GLU and OSMesa, so that its GLU calls find them.
    target_link_libraries(${target} PRIVATE tramox_headless tramox_game PkgConfig::OSMESA PkgConfig::GLU)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_SOURCE_DIR}/tests/game
                               ${CMAKE_SOURCE_DIR}/tests/reliability)
    target_compile_definitions(${target} PRIVATE TRAMOX_GAME_DIR="${TRAMOX_GAME_DIR}")
    add_dependencies(${target} tramox_assets tramox_maps)
  endforeach()

  foreach(target xml_bench game_bench soak_bench)
    target_compile_options(${target} PRIVATE ${TRAMOX_WARNINGS})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/bench ${CMAKE_SOURCE_DIR}/src)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  endforeach()
endif()
