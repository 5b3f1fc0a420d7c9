#!/usr/bin/env bash
# Installs the Debian packages that Horolux needs for a use: run (the default),
# test, bench, fuzz, lint, package. Usage: scripts/install-deps.sh [use...]
# Asks dpkg first; only when something is missing does it refresh the package
# lists (once) and install exactly what is missing.
set -euo pipefail

# What each use needs; "run" (building and running) always comes along.
declare -A profiles=(
  # (libxcb1-dev: the other Horolux processes' windows, read through Qt's own
  # X11 connection, where Qt 6.4 offers the connection but no call to read them;
  # the translations: lupdate and lrelease (qt6-l10n-tools) and their CMake
  # functions (qt6-tools-dev); Qt's own translations for the message boxes'
  # standard buttons at run time (qt6-translations-l10n))
  [run]="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libcanberra-dev libxcb1-dev
         fonts-liberation2 sound-theme-freedesktop qt6-l10n-tools qt6-tools-dev
         qt6-translations-l10n"
  # the suite: a headless X server, a private D-Bus with a mock timedated, a
  # German locale, the desktop's validators, CPack's dpkg-shlibdeps, Debian's
  # package checker, a private PulseAudio server that the bell is played to
  # and recorded from, and Xlib's RandR library that splits an X screen into
  # monitors; the X client that clicks in the real program's window
  # (bench/xprobe: XCB's DAMAGE and XTEST), so that the real-program tests
  # run on every machine the suite runs on; fonts with the Chinese, Japanese,
  # Arabic and Hebrew glyphs that the translation test measures captions in; a
  # window manager that marks a window urgent and xprop to read it, and GLib's
  # Python bindings for the tray's stand-in panel
  [test]="xvfb xauth dbus-daemon python3-dbusmock locales desktop-file-utils appstream dpkg-dev
          lintian libcanberra-pulse pulseaudio pulseaudio-utils libx11-6 libxrandr2
          libxcb-damage0-dev libxcb-xtest0-dev fonts-wqy-microhei fonts-dejavu-core openbox x11-utils
          python3-dbus python3-gi"
  # the micro-benchmarks, the X client of bench/measure.py, the window
  # manager it minimizes a window with, and the tray's stand-in panel
  [bench]="libbenchmark-dev libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev python3 xvfb xauth
           openbox dbus-daemon python3-dbus python3-gi"
  # libFuzzer comes with clang's runtime
  [fuzz]="clang libclang-rt-14-dev"
  [lint]="clang-format clang-tidy"
  [package]="dpkg-dev"
)

packages=()
for profile in run "$@"; do
  [ -n "${profiles[$profile]+set}" ] || { echo "install-deps: unknown use '$profile'" >&2; exit 2; }
  read -r -a more <<<"$(echo ${profiles[$profile]})"
  packages+=("${more[@]}")
done

missing=()
for p in "${packages[@]}"; do
  if [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
