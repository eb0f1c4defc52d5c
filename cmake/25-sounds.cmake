# Sounds: synthesised by tools/make_sounds into the game folder's Sounds/ at
# build time. The file names are read from the header the game and the tool
# share, so the list lives in one place.
file(GLOB TRAMOX_MAKE_SOUNDS_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/make_sounds/*.cpp)
add_executable(make_sounds ${TRAMOX_MAKE_SOUNDS_SOURCES})
target_include_directories(make_sounds PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_options(make_sounds PRIVATE ${TRAMOX_WARNINGS})
set_target_properties(make_sounds PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(TRAMOX_SOUND_LIST ${CMAKE_SOURCE_DIR}/src/Sound/soundfiles.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TRAMOX_SOUND_LIST})
file(STRINGS ${TRAMOX_SOUND_LIST} TRAMOX_SOUND_NAMES REGEX "^ *\"[A-Za-z]+\\.wav\",")
set(TRAMOX_SOUNDS)
foreach(line ${TRAMOX_SOUND_NAMES})
  string(REGEX REPLACE "^ *\"([A-Za-z]+\\.wav)\",.*" "\\1" name "${line}")
  list(APPEND TRAMOX_SOUNDS ${TRAMOX_GAME_DIR}/Sounds/${name})
endforeach()
if(NOT TRAMOX_SOUNDS)
  message(FATAL_ERROR "no sound names found in ${TRAMOX_SOUND_LIST}")
endif()

add_custom_command(
  OUTPUT ${TRAMOX_SOUNDS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TRAMOX_GAME_DIR}/Sounds
  COMMAND make_sounds ${TRAMOX_GAME_DIR}/Sounds
  DEPENDS make_sounds
  COMMENT "Making the game's sounds"
  VERBATIM)
add_custom_target(tramox_sounds ALL DEPENDS ${TRAMOX_SOUNDS})
add_dependencies(tramox tramox_sounds)
