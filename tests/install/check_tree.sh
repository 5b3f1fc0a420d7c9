#!/usr/bin/env bash
# Checks an installed Horolux below a prefix folder (a staging folder's usr/,
# or an unpacked package's): exactly the files a desktop needs, each usable.
#   check_tree.sh <prefix> <application id> <icon sizes, ;-separated>
set -euo pipefail
prefix=$1 id=$2
IFS=';' read -r -a sizes <<<"$3"

fail() { echo "check_tree: $*" >&2; exit 1; }

expected=(
  bin/horolux
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/dbus-1/interfaces/$id.xml
  share/doc/horolux/copyright
  share/doc/horolux/changelog.gz
  share/man/man1/horolux.1.gz
)
for size in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
actual=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
  diff <(echo "$wanted") <(echo "$actual") >&2 || true
  fail "installed files differ from the expected ones (< expected, > installed)"
fi

# The program: an executable ELF file, named by the desktop entry's Exec.
[ -x "$prefix/bin/horolux" ] || fail "bin/horolux is not executable"
[ "$(head -c 4 "$prefix/bin/horolux" | od -An -c | tr -d ' ')" = '177ELF' ] ||
  fail "bin/horolux is not an ELF program"
# Found by the dynamic linker in the system's folders alone: no RPATH or
# RUNPATH, which would let libraries beside the program be loaded.
if readelf -d "$prefix/bin/horolux" | grep -E '\((RPATH|RUNPATH)\)'; then
  fail "bin/horolux carries a library search path"
fi
exec_line=$(grep -m1 '^Exec=' "$prefix/share/applications/$id.desktop")
program=${exec_line#Exec=}
program=${program%% *}
[ -x "$prefix/bin/$program" ] || fail "Exec=$program names no installed program"

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >&2 ||
  fail "the installed metainfo does not validate"

# Every icon: a PNG whose header gives the size its folder claims.
for size in "${sizes[@]}"; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is not a PNG"
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done

# The manual page and the changelog: gzip files without a stored name or time,
# so that every build gives the same bytes (flags and time are bytes 4 to 8).
for doc in share/man/man1/horolux.1.gz share/doc/horolux/changelog.gz; do
  gzip -t "$prefix/$doc" || fail "$doc is not a sound gzip file"
  [ "$(od -An -tx1 -j3 -N5 "$prefix/$doc" | tr -d ' \n')" = 0000000000 ] ||
    fail "$doc stores a file name or a time"
done
grep '^\.TH HOROLUX 1 ' <(zcat "$prefix/share/man/man1/horolux.1.gz") >/dev/null ||
  fail "share/man/man1/horolux.1.gz is not the manual page horolux(1)"

grep -q '^Permission is hereby granted' "$prefix/share/doc/horolux/copyright" ||
  fail "share/doc/horolux/copyright does not hold the licence"
echo "check_tree: $prefix holds ${#expected[@]} files, all usable"
