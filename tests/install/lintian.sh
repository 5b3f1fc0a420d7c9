#!/usr/bin/env bash
# Debian's package checker on the package CPack builds, in a fresh folder:
# passes when lintian reports no error (E:) and no warning (W:).
#   lintian.sh <CPackConfig.cmake> <work folder> <version>
set -euo pipefail
config=$1 work=$2 version=$3

fail() { echo "lintian.sh: $*" >&2; exit 1; }

command -v lintian >/dev/null || fail "lintian is missing (Debian package lintian, in the test packages)"
rm -rf "$work"
mkdir -p "$work"
cpack --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/out/horolux_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single horolux_${version}_*.deb in $work/out"

# lintian refuses to run as root unless told that it is meant.
status=0
lintian --allow-root --fail-on error,warning --tag-display-limit 0 "${debs[0]}" >"$work/lintian.log" 2>&1 ||
  status=$?
cat "$work/lintian.log"
if grep -q -E '^[EW]: ' "$work/lintian.log" || [ "$status" -ne 0 ]; then
  fail "lintian found errors or warnings (status $status)"
fi
echo "lintian.sh: $(basename "${debs[0]}"): no errors, no warnings"
