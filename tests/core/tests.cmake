# A German locale, compiled into the build folder, so that the conversions are
# checked under a decimal comma on every machine.
set(test_locales ${CMAKE_CURRENT_BINARY_DIR}/locales)
add_test(NAME core.german_locale_setup
    COMMAND sh -c "mkdir -p '${test_locales}' && localedef -i de_DE -f UTF-8 '${test_locales}/de_DE.UTF-8'")
set_tests_properties(core.german_locale_setup PROPERTIES FIXTURES_SETUP german_locale)
set_tests_properties(core.conversions PROPERTIES FIXTURES_REQUIRED german_locale)
set_property(TEST core.conversions APPEND PROPERTY ENVIRONMENT "LOCPATH=${test_locales}")
