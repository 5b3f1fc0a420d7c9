# The real program's command line without a display, run without the right to
# set the clock and with no system bus, since two of its checks start it.
add_test(NAME app.commandline_program
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_system_bus.py
            --no-bus --drop-sys-time --
            bash ${CMAKE_CURRENT_LIST_DIR}/commandline.sh $<TARGET_FILE:horolux>
                 ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}/data/horolux.1.in)
set_tests_properties(app.commandline_program PROPERTIES
    ENVIRONMENT "LC_ALL=C.UTF-8"
    SKIP_RETURN_CODE 77
    TIMEOUT 120)
