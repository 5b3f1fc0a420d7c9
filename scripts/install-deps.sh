#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Horolux need.
# Asks dpkg first; only when something is missing does it refresh the package
# lists (once) and install exactly what is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  libcanberra-dev
  # run: fonts that fit the layout, the sound theme for the bell
  fonts-liberation2 sound-theme-freedesktop
  # test: headless X server, private D-Bus with a mock timedated
  xvfb xauth dbus-daemon python3-dbusmock
  locales
  # benchmarks: the micro-benchmarks, and the X client of bench/measure.sh
  libbenchmark-dev libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev python3
  # install and package: the desktop's validators, CPack's dpkg-shlibdeps
  desktop-file-utils appstream dpkg-dev
  # fuzzing: libFuzzer comes with clang's runtime
  clang libclang-rt-14-dev
  # lint
  clang-format clang-tidy
)
packages+=("$@")

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
