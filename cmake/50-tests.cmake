# Tests: one GoogleTest binary per folder under tests/ (tests/xml, tests/shell,
# tests/game, ...). Files in tests/support are shared by the program tests.
# The XML library's tests link the library alone.
if(TRAMOX_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)
  file(GLOB TRAMOX_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
  file(GLOB TRAMOX_TEST_DIRS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*)
  foreach(dir ${TRAMOX_TEST_DIRS})
    get_filename_component(area ${dir} NAME)
    if(NOT IS_DIRECTORY ${dir} OR area STREQUAL "support" OR area STREQUAL "data" OR area STREQUAL "smoke")
      continue()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    if(NOT sources)
      continue()
    endif()
    set(target test_${area})
    if(area STREQUAL "xml")
      add_executable(${target} ${sources})
      target_link_libraries(${target} PRIVATE xmlparser GTest::gtest GTest::gtest_main)
    else()
      add_executable(${target} ${sources} ${TRAMOX_TEST_SUPPORT})
      # OSMesa first, so that GLU's calls reach the off-screen context.
      target_link_libraries(${target} PRIVATE tramox_headless PkgConfig::OSMESA PkgConfig::GLU GTest::gtest GTest::gtest_main)
      foreach(data tramox_assets tramox_maps tramox_sounds)
        if(TARGET ${data})
          add_dependencies(${target} ${data})
        endif()
      endforeach()
    endif()
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support ${CMAKE_SOURCE_DIR}/src)
    target_compile_options(${target} PRIVATE ${TRAMOX_WARNINGS})
    target_compile_definitions(${target} PRIVATE
      TRAMOX_GAME_DIR="${TRAMOX_GAME_DIR}"
      TRAMOX_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      TRAMOX_BINARY_DIR="${CMAKE_BINARY_DIR}")
    gtest_discover_tests(${target} WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 120
      PROPERTIES ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
  endforeach()
endif()
