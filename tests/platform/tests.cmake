# The direct fallback for setting the clock, in a process without the right to
# set it, on a private bus without a time service and with no bus at all.
if(HOROLUX_LINUX_DESKTOP)
    script_program(platform_clockset_fallback ${CMAKE_CURRENT_LIST_DIR}/clockset_fallback.cpp
                   horolux_platform horolux_testsupport_core)
    set(private_bus /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py)
    script_test(platform.clockset_fallback_no_service
        ${private_bus} --drop-sys-time -- $<TARGET_FILE:test_platform_clockset_fallback>)
    script_test(platform.clockset_fallback_no_bus
        ${private_bus} --drop-sys-time --no-bus -- $<TARGET_FILE:test_platform_clockset_fallback>)
endif()

# Desktop notifications against dbusmock's notification_daemon template on a
# private session bus, and in a session without a bus. Needs dbus-daemon and
# python3-dbusmock (for Debian's /usr/bin/python3); skipped without them.
if(HOROLUX_LINUX_DESKTOP)
    script_program(platform_notifier ${CMAKE_CURRENT_LIST_DIR}/notifier.cpp
                   horolux_platform horolux_testsupport_core horolux_linux_desktop)
    # With a bus, every function but the one that needs none, which the run
    # after covers.
    script_test(platform.notifier ${private_bus} --session --mock notification_daemon
        -- $<TARGET_FILE:test_platform_notifier>
           notifyArguments activation withdrawal replacement serviceTrouble)
    script_test(platform.notifier_no_bus ${private_bus} --session --no-bus
        -- $<TARGET_FILE:test_platform_notifier> noSessionBus)
endif()
