#!/usr/bin/env bash
# `cmake --install` of a build into a fresh staging folder, then check_tree.sh.
#   install_tree.sh <build folder> <work folder> <application id> <icon sizes>
set -euo pipefail
build=$1 work=$2
rm -rf "$work"
DESTDIR="$work" cmake --install "$build" --prefix /usr >/dev/null
exec bash "$(dirname "$0")/check_tree.sh" "$work/usr" "$3" "$4"
