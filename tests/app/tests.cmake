# Two monitors side by side on one Xvfb screen, the primary one on the right:
# the windows open on the primary one. Skipped without Xvfb.
add_executable(test_app_multimonitor ${CMAKE_CURRENT_LIST_DIR}/multimonitor.cpp)
target_link_libraries(test_app_multimonitor PRIVATE horolux_testsupport)
add_test(NAME app.multimonitor
    COMMAND sh -c "command -v xvfb-run >/dev/null || exit 77; exec xvfb-run -a -s '-screen 0 2560x1024x24' /usr/bin/python3 '${CMAKE_CURRENT_LIST_DIR}/../support/monitors.py' LEFT:0:0:1280x1024 RIGHT:1280:0:1280x1024:primary -- '$<TARGET_FILE:test_app_multimonitor>'")
set_tests_properties(app.multimonitor PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;LC_ALL=C.UTF-8"
    SKIP_RETURN_CODE 77
    TIMEOUT 120)

# The real program's command line without a display, run without the right to
# set the clock and with no system bus, since two of its checks start it.
add_test(NAME app.commandline_program
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
            --no-bus --drop-sys-time --
            bash ${CMAKE_CURRENT_LIST_DIR}/commandline.sh $<TARGET_FILE:horolux>
                 ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}/data/horolux.1.in)
set_tests_properties(app.commandline_program PROPERTIES
    ENVIRONMENT "LC_ALL=C.UTF-8"
    SKIP_RETURN_CODE 77
    TIMEOUT 120)

# The bell heard at the end of a countdown: a real window on a private X
# server, a private PulseAudio server whose silent output is recorded, and
# the recording measured around the instant the display shows "DONE".
# Skipped where PulseAudio or Xvfb cannot start.
if(HOROLUX_LINUX_DESKTOP)
    add_executable(test_app_bell_heard ${CMAKE_CURRENT_LIST_DIR}/bell_heard.cpp)
    target_link_libraries(test_app_bell_heard PRIVATE horolux_testsupport)
    add_test(NAME app.bell_heard
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/bell_heard.py
                $<TARGET_FILE:test_app_bell_heard>)
    set_tests_properties(app.bell_heard PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8"
        SKIP_RETURN_CODE 77
        TIMEOUT 120)
endif()

# Timings that outlive the program: the real program killed and started again
# on a private Xvfb, with a private XDG_STATE_HOME and dbusmock's notification
# server on a private session bus. Skipped without the benchmarks' X client.
if(HOROLUX_LINUX_DESKTOP)
    add_test(NAME app.restore_program
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
                --session --mock notification_daemon --
                /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/restore.py
                $<TARGET_FILE:horolux> "$<$<TARGET_EXISTS:xprobe>:$<TARGET_FILE:xprobe>>")
    set_tests_properties(app.restore_program PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8"
        SKIP_RETURN_CODE 77
        TIMEOUT 120)
endif()
