# Setting the clock through timedated, against a stand-in on a private system
# bus that the test starts and stops itself. Needs dbus-daemon and
# python3-dbusmock (for Debian's /usr/bin/python3); skipped without them.
if(HOROLUX_LINUX_DESKTOP)
    add_executable(test_dialogs_dbus_setclock ${CMAKE_CURRENT_LIST_DIR}/dbus_setclock.cpp)
    target_link_libraries(test_dialogs_dbus_setclock PRIVATE horolux_testsupport Qt6::DBus)
    add_test(NAME dialogs.dbus_setclock
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
                --mock ${CMAKE_CURRENT_LIST_DIR}/../support/timedated_template.py
                -- $<TARGET_FILE:test_dialogs_dbus_setclock>)
    set_tests_properties(dialogs.dbus_setclock PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        SKIP_RETURN_CODE 77
        TIMEOUT 120)
endif()
