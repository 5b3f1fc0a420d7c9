# `make package`: a Debian package of what `cmake --install` installs, built
# by CPack's DEB generator into the build folder as horolux_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME horolux)
set(CPACK_PACKAGE_VENDOR "The Horolux developers")
set(CPACK_PACKAGE_CONTACT "The Horolux developers <developers@horolux.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stopwatch and countdown timer for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "Horolux is a small timing utility. Each of its windows holds a stopwatch with a
live display and a split display, a countdown that ends with a beep and can
drive the stopwatch, and a box that sets the computer's clock through
systemd-timedated. Open as many independent windows as you need.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps; these are what no
# link shows: the fonts the fixed layout is measured for and the bell's sound.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, sound-theme-freedesktop")
# Sound through PulseAudio or PipeWire rather than bare ALSA, and setting the
# clock: systemd ships systemd-timedated and its polkit action, polkitd decides.
# Qt's Wayland platform, for a Wayland session without an X server; Qt's own
# translations give the message boxes' Yes, No and OK in the user's language.
# The fonts the translations need beyond Liberation's Latin, Greek and
# Cyrillic: Chinese and Japanese (Noto CJK, or the much smaller WenQuanYi Micro
# Hei), Arabic and Hebrew (DejaVu).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse, systemd, polkitd, qt6-wayland, qt6-translations-l10n, \
fonts-noto-cjk | fonts-wqy-microhei, fonts-dejavu-core")

include(CPack)
