# Level maps: the layouts in data/levels/ become Maps/Level1.map ..
# Level10.map in the game folder, and every generated map must pass the map
# checker before the game is built.
add_executable(make_maps tools/make_maps/make_maps.cpp src/Engine/mapfile.cpp)
target_compile_options(make_maps PRIVATE ${TRAMOX_WARNINGS})
target_link_libraries(make_maps PRIVATE xmlparser)

add_executable(mapcheck tools/mapcheck/main.cpp tools/mapcheck/maprules.cpp src/Engine/mapfile.cpp)
target_include_directories(mapcheck PRIVATE src tools/mapcheck)
target_compile_options(mapcheck PRIVATE ${TRAMOX_WARNINGS})
target_link_libraries(mapcheck PRIVATE xmlparser)
set_target_properties(make_maps mapcheck PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

file(GLOB TRAMOX_LEVEL_LAYOUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/levels/level*.txt)
set(TRAMOX_MAPS)
foreach(n RANGE 1 10)
  list(APPEND TRAMOX_MAPS ${TRAMOX_GAME_DIR}/Maps/Level${n}.map)
endforeach()

add_custom_command(
  OUTPUT ${TRAMOX_MAPS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TRAMOX_GAME_DIR}/Maps
  COMMAND make_maps ${TRAMOX_GAME_DIR}/Maps ${TRAMOX_LEVEL_LAYOUTS}
  DEPENDS make_maps ${TRAMOX_LEVEL_LAYOUTS}
  COMMENT "Making the level maps")
# A separate stamp, so a failed check fails every build until the maps pass.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/maps.checked
  COMMAND mapcheck ${TRAMOX_MAPS}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/maps.checked
  DEPENDS mapcheck ${TRAMOX_MAPS}
  COMMENT "Checking the level maps")
add_custom_target(tramox_maps DEPENDS ${TRAMOX_MAPS} ${CMAKE_BINARY_DIR}/maps.checked)
add_dependencies(tramox tramox_maps)

if(TRAMOX_TESTS)
  enable_testing()
  add_test(NAME mapcheck_shipped_maps COMMAND mapcheck ${TRAMOX_MAPS})
endif()
