# The Linux desktop services: the boot-time steady clock, the D-Bus clock
# setter (systemd-timedated), the sound-theme bell (libcanberra), the other
# programs' windows on X11 (libxcb). With
# HOROLUX_LINUX_DESKTOP=OFF the program builds without them and without their
# libraries, on the portable fallbacks behind the platform interfaces;
# `make build-portable` checks that.
#
# How Linux-only code joins the build:
# - Find its libraries here, inside if(HOROLUX_LINUX_DESKTOP), and add them to
#   the interface target horolux_linux_desktop. Nothing outside this block may
#   name Qt6::DBus or PkgConfig::CANBERRA.
# - In the CMakeLists.txt of the library that holds the code, add the Linux-only
#   sources and `target_link_libraries(<library> PUBLIC horolux_linux_desktop)`
#   inside if(HOROLUX_LINUX_DESKTOP).
# - In C++, test the macro HOROLUX_LINUX_DESKTOP (0 or 1, defined by the
#   platform library) and keep a portable fallback for the #else branch.
# - A test that needs these services wraps its add_test in a tests.cmake inside
#   if(HOROLUX_LINUX_DESKTOP), or, as a tests/*/test_*.cpp that is always
#   built, guards its body with the macro.
add_library(horolux_linux_desktop INTERFACE)
if(HOROLUX_LINUX_DESKTOP)
    find_package(Qt6 REQUIRED COMPONENTS DBus)
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(CANBERRA REQUIRED IMPORTED_TARGET libcanberra)
    # The other Horolux processes' windows on X11, through Qt's own xcb connection.
    pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
    target_link_libraries(horolux_linux_desktop INTERFACE Qt6::DBus PkgConfig::CANBERRA PkgConfig::XCB)
endif()
