# The direct fallback for setting the clock, in a process without the right to
# set it, on a private bus without a time service and with no bus at all.
if(HOROLUX_LINUX_DESKTOP)
    add_executable(test_platform_clockset_fallback ${CMAKE_CURRENT_LIST_DIR}/clockset_fallback.cpp)
    target_link_libraries(test_platform_clockset_fallback PRIVATE horolux_platform horolux_testsupport_core)
    foreach(bus IN ITEMS no_service no_bus)
        set(options --drop-sys-time)
        if(bus STREQUAL "no_bus")
            list(APPEND options --no-bus)
        endif()
        add_test(NAME platform.clockset_fallback_${bus}
            COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
                    ${options} -- $<TARGET_FILE:test_platform_clockset_fallback>)
        set_tests_properties(platform.clockset_fallback_${bus} PROPERTIES
            ENVIRONMENT "LC_ALL=C.UTF-8"
            SKIP_RETURN_CODE 77
            TIMEOUT 60)
    endforeach()
endif()

# Desktop notifications against dbusmock's notification_daemon template on a
# private session bus, and in a session without a bus. Needs dbus-daemon and
# python3-dbusmock (for Debian's /usr/bin/python3); skipped without them.
if(HOROLUX_LINUX_DESKTOP)
    add_executable(test_platform_notifier ${CMAKE_CURRENT_LIST_DIR}/notifier.cpp)
    target_link_libraries(test_platform_notifier PRIVATE horolux_platform horolux_testsupport_core horolux_linux_desktop)
    set(session_bus ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py --session)
    add_test(NAME platform.notifier
        COMMAND /usr/bin/python3 ${session_bus} --mock notification_daemon
                -- $<TARGET_FILE:test_platform_notifier>)
    add_test(NAME platform.notifier_no_bus
        COMMAND /usr/bin/python3 ${session_bus} --no-bus
                -- $<TARGET_FILE:test_platform_notifier> noSessionBus)
    set_tests_properties(platform.notifier platform.notifier_no_bus PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8"
        SKIP_RETURN_CODE 77
        TIMEOUT 120)
endif()
