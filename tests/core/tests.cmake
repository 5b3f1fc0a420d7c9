# A German locale, compiled into the build folder, so that the conversions are
# checked under a decimal comma on every machine.
set(test_locales ${CMAKE_CURRENT_BINARY_DIR}/locales)
add_test(NAME core.german_locale_setup
    COMMAND sh -c "mkdir -p '${test_locales}' && localedef -i de_DE -f UTF-8 '${test_locales}/de_DE.UTF-8'")
set_tests_properties(core.german_locale_setup PROPERTIES FIXTURES_SETUP german_locale)
set_tests_properties(core.conversions PROPERTIES FIXTURES_REQUIRED german_locale)
set_property(TEST core.conversions APPEND PROPERTY ENVIRONMENT "LOCPATH=${test_locales}")

# The core's tests run without the window: none of them links Qt GUI or Qt
# Widgets, directly or through another library.
file(GLOB core_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/test_*.cpp)
set(core_test_programs)
foreach(source IN LISTS core_test_sources)
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "^test_" "" name ${name})
    list(APPEND core_test_programs $<TARGET_FILE:test_core_${name}>)
endforeach()
add_test(NAME core.no_window_libraries
    COMMAND sh -c "for program; do if readelf -d \"$program\" | grep -E 'NEEDED.*libQt6(Gui|Widgets|DBus)'; then echo \"$program links them\"; exit 1; fi; done"
            sh ${core_test_programs})
