# The reliability tests play whole games with the test-side player of the
# game tests, compiled in from there rather than copied.
if(TARGET test_reliability)
  target_sources(test_reliability PRIVATE ${CMAKE_SOURCE_DIR}/tests/game/autoplayer.cpp)
  target_include_directories(test_reliability PRIVATE ${CMAKE_SOURCE_DIR}/tests/game)
endif()
