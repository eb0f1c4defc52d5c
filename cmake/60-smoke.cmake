# The desktop backend's event translation is tested without a display, in
# the platform tests.
if(TARGET test_platform)
  target_link_libraries(test_platform PRIVATE tramox_sdl_events)
endif()

# Desktop smoke test: the real game under a virtual X server reaches its
# menu, shows a picture, and ends with status 0 on SIGTERM. Only where
# xvfb-run exists.
find_program(XVFB_RUN xvfb-run)
if(TRAMOX_TESTS AND XVFB_RUN)
  pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
  add_executable(tramox_screen_check tests/smoke/screen_check.cpp)
  target_compile_options(tramox_screen_check PRIVATE ${TRAMOX_WARNINGS})
  target_link_libraries(tramox_screen_check PRIVATE PkgConfig::X11)

  add_test(NAME desktop_smoke
    COMMAND ${CMAKE_SOURCE_DIR}/tests/smoke/desktop_smoke.sh
            ${TRAMOX_GAME_DIR} $<TARGET_FILE:tramox> $<TARGET_FILE:tramox_screen_check>)
  set_tests_properties(desktop_smoke PROPERTIES
    TIMEOUT 180
    ENVIRONMENT "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
endif()
