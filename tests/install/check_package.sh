#!/usr/bin/env bash
# Builds the Debian package with CPack into a fresh folder, checks its control
# fields, that apt could install it here, and, unpacked with dpkg -x, its files.
#   check_package.sh <CPackConfig.cmake> <work folder> <application id> <icon sizes> <version>
set -euo pipefail
config=$1 work=$2 id=$3 sizes=$4 version=$5

fail() { echo "check_package: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"
cpack --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/out/horolux_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single horolux_${version}_*.deb in $work/out"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
# has <field> <package>: the relation field names the package (alone or in alternatives).
has() { field "$1" | tr ',|' '\n\n' | sed 's/(.*//; s/ //g' | grep -qx "$2" || fail "$1 lacks $2: $(field "$1")"; }

[ "$(field Package)" = horolux ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is $(field Architecture)"
# Found by dpkg-shlibdeps from the program's links...
has Depends libc6
has Depends libqt6widgets6
# ...and those no link shows.
has Depends fonts-liberation2
has Depends sound-theme-freedesktop
has Recommends libcanberra-pulse
has Recommends systemd
has Recommends polkitd
has Recommends qt6-wayland

# Every file below /usr, and none owned by anyone but root.
if dpkg-deb --contents "$deb" | awk '{ print $2, $6 }' | grep -v '^root/root \./usr/' | grep .; then
  fail "files outside /usr or not owned by root"
fi

# apt could install it on this machine: every dependency resolves.
apt-get --simulate -o Debug::NoLocking=1 --no-install-recommends install "$(realpath "$deb")" \
  >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; fail "apt cannot install the package"; }
# Each recommended package exists, where apt has package lists to ask.
if [ -n "$(find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -print -quit 2>/dev/null)" ]; then
  for p in $(field Recommends | tr ',|' '\n\n' | sed 's/(.*//; s/ //g'); do
    apt-cache show --no-all-versions "$p" >/dev/null 2>&1 || fail "Recommends $p: no such package"
  done
fi

dpkg -x "$deb" "$work/root"
# The changelog's latest entry is this version's.
latest=$(zcat "$work/root/usr/share/doc/horolux/changelog.gz" | sed -n 1p)
[[ $latest == "horolux ($version) "* ]] || fail "the changelog's latest entry is not horolux ($version): $latest"
bash "$(dirname "$0")/check_tree.sh" "$work/root/usr" "$id" "$sizes"
echo "check_package: $(basename "$deb") is sound"
