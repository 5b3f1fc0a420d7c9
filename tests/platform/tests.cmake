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
            COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_system_bus.py
                    ${options} -- $<TARGET_FILE:test_platform_clockset_fallback>)
        set_tests_properties(platform.clockset_fallback_${bus} PROPERTIES
            ENVIRONMENT "LC_ALL=C.UTF-8"
            SKIP_RETURN_CODE 77
            TIMEOUT 60)
    endforeach()
endif()
