# libFuzzer targets: one executable per fuzz/fuzz_*.cpp, built from the XML
# library's source with clang's fuzzer and sanitizers, into <build>/fuzz/.
# The target tramox_fuzzers builds them all; <build>/fuzz/targets.txt lists
# "executable corpus-folder" per line, so that scripts can run each one for a
# bounded time (for example with -max_total_time=15) without knowing the
# names. The committed seeds are in fuzz/corpus/<name without "fuzz_">/.
if(TRAMOX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "TRAMOX_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  set(TRAMOX_FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
  set(TRAMOX_FUZZ_DIR ${CMAKE_BINARY_DIR}/fuzz)
  file(GLOB TRAMOX_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/fuzz_*.cpp)
  add_custom_target(tramox_fuzzers)
  set(TRAMOX_FUZZ_LIST "")
  foreach(source ${TRAMOX_FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "^fuzz_" "" corpus ${name})
    add_executable(${name} ${source} ${CMAKE_SOURCE_DIR}/src/xmlParser.cpp)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE ${TRAMOX_WARNINGS} ${TRAMOX_FUZZ_FLAGS})
    target_link_options(${name} PRIVATE ${TRAMOX_FUZZ_FLAGS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TRAMOX_FUZZ_DIR})
    add_dependencies(tramox_fuzzers ${name})
    string(APPEND TRAMOX_FUZZ_LIST "${TRAMOX_FUZZ_DIR}/${name} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${corpus}\n")
  endforeach()
  file(WRITE ${TRAMOX_FUZZ_DIR}/targets.txt "${TRAMOX_FUZZ_LIST}")
endif()
