# The bell heard at the end of a countdown: a real window on a private X
# server, a private PulseAudio server whose silent output is recorded, and
# the recording measured around the instant the display shows "DONE".
# Skipped where PulseAudio or Xvfb cannot start.
if(HOROLUX_LINUX_DESKTOP)
    add_executable(test_countdown_bell_heard ${CMAKE_CURRENT_LIST_DIR}/bell_heard.cpp)
    target_link_libraries(test_countdown_bell_heard PRIVATE horolux_testsupport)
    add_test(NAME countdown.bell_heard
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/bell_heard.py
                $<TARGET_FILE:test_countdown_bell_heard>)
    set_tests_properties(countdown.bell_heard PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8"
        SKIP_RETURN_CODE 77
        TIMEOUT 120)
endif()
