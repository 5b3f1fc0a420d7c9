# Installing Horolux as a desktop application: the application id across its
# files, the desktop entry and metainfo as the desktop's own validators see
# them, an installed tree, and the Debian package with Debian's own checks.
set(install_tests ${CMAKE_CURRENT_LIST_DIR})

string(REPLACE ";" "," icon_sizes "${HOROLUX_ICON_SIZES}")
target_compile_definitions(test_install_identity PRIVATE
    HOROLUX_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
    HOROLUX_ICON_DIR="${PROJECT_BINARY_DIR}/data/icons/hicolor"
    HOROLUX_ICON_SIZES="${icon_sizes}"
    HOROLUX_PROGRAM="$<TARGET_FILE_NAME:horolux>")
add_dependencies(test_install_identity horolux_icons)

add_test(NAME install.desktop_entry
    COMMAND desktop-file-validate ${PROJECT_SOURCE_DIR}/data/${HOROLUX_APP_ID}.desktop)
add_test(NAME install.metainfo
    COMMAND appstreamcli validate --no-net ${PROJECT_SOURCE_DIR}/data/${HOROLUX_APP_ID}.metainfo.xml)

# `cmake --install` into a staging folder, then the files a desktop needs.
add_test(NAME install.tree
    COMMAND bash ${install_tests}/install_tree.sh ${PROJECT_BINARY_DIR}
            ${CMAKE_CURRENT_BINARY_DIR}/install-tree ${HOROLUX_APP_ID} "${HOROLUX_ICON_SIZES}")

# The Debian package, built by CPack beside the build's own, unpacked with dpkg -x.
add_test(NAME install.package
    COMMAND bash ${install_tests}/check_package.sh ${PROJECT_BINARY_DIR}/CPackConfig.cmake
            ${CMAKE_CURRENT_BINARY_DIR}/install-package ${HOROLUX_APP_ID} "${HOROLUX_ICON_SIZES}"
            ${PROJECT_VERSION})

# Debian's package checker on that package: no errors and no warnings.
add_test(NAME install.lintian
    COMMAND bash ${install_tests}/lintian.sh ${PROJECT_BINARY_DIR}/CPackConfig.cmake
            ${CMAKE_CURRENT_BINARY_DIR}/install-lintian ${PROJECT_VERSION})

set_tests_properties(install.desktop_entry install.metainfo install.tree install.package
    install.lintian PROPERTIES TIMEOUT 300)

# The program carries no test code: none of the doubles in tests/support/.
add_test(NAME install.no_test_doubles
    COMMAND sh -c "if nm -C \"$0\" | grep -E 'FakeClock|ScriptedDialogs|Recording[A-Za-z]*|frmStopwatchProbe'; then exit 1; fi"
            $<TARGET_FILE:horolux>)
