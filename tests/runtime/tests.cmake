# A German locale, compiled into the build folder, so that the conversions are
# checked under a decimal comma on every machine.
set(test_locales ${CMAKE_CURRENT_BINARY_DIR}/locales)
add_test(NAME runtime.german_locale_setup
    COMMAND sh -c "mkdir -p '${test_locales}' && localedef -i de_DE -f UTF-8 '${test_locales}/de_DE.UTF-8'")
set_tests_properties(runtime.german_locale_setup PROPERTIES FIXTURES_SETUP german_locale)
set_tests_properties(runtime.conversions PROPERTIES FIXTURES_REQUIRED german_locale)
set_property(TEST runtime.conversions APPEND PROPERTY ENVIRONMENT "LOCPATH=${test_locales}")
# The direct fallback for setting the clock, in a process without the right to
# set it, on a private bus without a time service and with no bus at all.
if(HOROLUX_LINUX_DESKTOP)
    add_executable(test_runtime_clockset_fallback ${CMAKE_CURRENT_LIST_DIR}/clockset_fallback.cpp)
    target_link_libraries(test_runtime_clockset_fallback PRIVATE horolux_runtime Qt6::Test)
    foreach(bus IN ITEMS no_service no_bus)
        set(options --drop-sys-time)
        if(bus STREQUAL "no_bus")
            list(APPEND options --no-bus)
        endif()
        add_test(NAME runtime.clockset_fallback_${bus}
            COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_system_bus.py
                    ${options} -- $<TARGET_FILE:test_runtime_clockset_fallback>)
        set_tests_properties(runtime.clockset_fallback_${bus} PROPERTIES
            ENVIRONMENT "LC_ALL=C.UTF-8"
            SKIP_RETURN_CODE 77
            TIMEOUT 60)
    endforeach()
endif()
