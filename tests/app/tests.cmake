# Two monitors side by side on one Xvfb screen, the primary one on the right:
# the windows open on the primary one. Skipped without Xvfb.
script_program(app_multimonitor ${CMAKE_CURRENT_LIST_DIR}/multimonitor.cpp horolux_testsupport)
script_test(app.multimonitor
    sh -c "command -v xvfb-run >/dev/null || exit 77 && exec xvfb-run -a -s '-screen 0 2560x1024x24' /usr/bin/python3 '${CMAKE_CURRENT_LIST_DIR}/../support/monitors.py' LEFT:0:0:1280x1024 RIGHT:1280:0:1280x1024:primary -- '$<TARGET_FILE:test_app_multimonitor>'"
    ENV QT_QPA_PLATFORM=xcb)

# The real program's command line without a display, run without the right to
# set the clock and with no system bus, since two of its checks start it.
script_test(app.commandline_program
    /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
    --no-bus --drop-sys-time --
    bash ${CMAKE_CURRENT_LIST_DIR}/commandline.sh $<TARGET_FILE:horolux>
         ${PROJECT_VERSION} ${PROJECT_SOURCE_DIR}/data/horolux.1.in)

# The bell heard at the end of a countdown: a real window on a private X
# server, a private PulseAudio server whose silent output is recorded, and
# the recording measured around the instant the display shows "DONE".
# Skipped where PulseAudio or Xvfb cannot start.
if(HOROLUX_LINUX_DESKTOP)
    script_program(app_bell_heard ${CMAKE_CURRENT_LIST_DIR}/bell_heard.cpp horolux_testsupport)
    script_test(app.bell_heard
        /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/bell_heard.py $<TARGET_FILE:test_app_bell_heard>)
endif()

# The desktop's light or dark preference, from a portal stand-in on a private
# session bus that prefers dark; once with ReadOne, once as an older portal
# with Read only. Skipped without dbus-daemon or python3-dbusmock.
if(HOROLUX_LINUX_DESKTOP)
    add_executable(test_app_colorscheme ${CMAKE_CURRENT_LIST_DIR}/colorscheme.cpp)
    target_link_libraries(test_app_colorscheme PRIVATE horolux_testsupport horolux_linux_desktop)
    foreach(readOne IN ITEMS true false)
        add_test(NAME app.colorscheme_readone_${readOne}
            COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py --session
                    --mock ${CMAKE_CURRENT_LIST_DIR}/../support/portal_template.py
                    --parameters "{\"color-scheme\": 1, \"ReadOne\": ${readOne}}"
                    -- $<TARGET_FILE:test_app_colorscheme>)
        set_tests_properties(app.colorscheme_readone_${readOne} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" ${test_skip_code} TIMEOUT 60)
    endforeach()
endif()

# Every .ts file finished, no translation short of a placeholder or the access key.
add_test(NAME app.translation_files
    COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/scripts/check_translations.py)

# The translation test brings each .ts file up to date in a copy with lupdate.
target_compile_definitions(test_app_translations PRIVATE
    HOROLUX_SOURCE_DIR="${PROJECT_SOURCE_DIR}" HOROLUX_LUPDATE="$<TARGET_FILE:Qt6::lupdate>")

# Timings that outlive the program: the real program killed and started again
# on a private Xvfb, with a private XDG_STATE_HOME and dbusmock's notification
# server on a private session bus. The X client that clicks is the
# benchmarks' (bench/xprobe), built wherever the suite's packages are.
if(HOROLUX_LINUX_DESKTOP)
    add_test(NAME app.restore_program
        COMMAND /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
                --session --mock notification_daemon --
                /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/restore.py
                $<TARGET_FILE:horolux> "$<$<TARGET_EXISTS:xprobe>:$<TARGET_FILE:xprobe>>")
    set_tests_properties(app.restore_program PROPERTIES
        ENVIRONMENT "LC_ALL=C.UTF-8"
        ${test_skip_code}
        TIMEOUT 120)
endif()

# Control from outside: the real program on a private session bus, without
# the right to set the clock, on Qt's offscreen platform; verbs from other
# processes, the interface against its description, the name passed on.
if(HOROLUX_LINUX_DESKTOP)
    script_test(app.remote_program
        /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
        --session --drop-sys-time --
        /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/remote.py $<TARGET_FILE:horolux>
        ${PROJECT_SOURCE_DIR}/data/dbus/org.horolux.Horolux.xml)
endif()

# Seen outside the window: the real program on a private Xvfb with openbox,
# a private session bus with a panel's stand-in (tray watcher and host,
# launcher-entry listener) and dbusmock's notification server offering
# actions, without the right to set the clock.
if(HOROLUX_LINUX_DESKTOP)
    script_test(app.outside_program
        /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/../support/private_bus.py
        --session --mock notification_daemon --parameters "{\"capabilities\": \"body actions\"}"
        --drop-sys-time -- xvfb-run -a -s "-nolisten tcp"
        /usr/bin/python3 ${CMAKE_CURRENT_LIST_DIR}/outside.py $<TARGET_FILE:horolux>
        ${CMAKE_CURRENT_LIST_DIR}/../support/sni_watcher.py)
endif()
