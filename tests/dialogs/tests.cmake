# Setting the clock through timedated, against a stand-in on a private system
# bus that the test starts and stops itself. Needs dbus-daemon and
# python3-dbusmock (for Debian's /usr/bin/python3); skipped without them.
if(HOROLUX_LINUX_DESKTOP)
    script_program(dialogs_dbus_setclock ${CMAKE_CURRENT_LIST_DIR}/dbus_setclock.cpp
                   horolux_testsupport Qt6::DBus)
    script_test(dialogs.dbus_setclock
        /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
        --mock ${CMAKE_CURRENT_LIST_DIR}/../support/timedated_template.py
        -- $<TARGET_FILE:test_dialogs_dbus_setclock>
        ENV QT_QPA_PLATFORM=offscreen)
endif()
