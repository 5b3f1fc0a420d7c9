#!/usr/bin/env bash
# The program's command line with no display at all (DISPLAY, WAYLAND_DISPLAY
# and QT_QPA_PLATFORM unset, so that opening a window would fail): --help and
# --version answer, other options are refused, Qt's own options reach Qt, and
# the manual page lists the options --help lists.
#   commandline.sh <program> <version> <manual page source>
# Run it through private_bus.py --drop-sys-time: it starts the program.
set -euo pipefail
program=$1 version=$2 manpage=$3
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

work=$(mktemp -d)
export XDG_STATE_HOME=$work/state # the records of the runs below, not the user's
# No session bus: a verb finds no Horolux running, and never the user's.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus XDG_RUNTIME_DIR=$work
xvfb=
cleanup() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# run <seconds> <argument>...: the program's status, standard output and error.
run() {
  local seconds=$1
  shift
  status=0
  timeout -k 5 "$seconds" "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
}

# The answers that need no display: status | standard output | standard error | arguments.
# An output is empty, "=TEXT" for exactly TEXT, or "~REGEX" for a line that matches.
cases=(
  "0|~^Usage: horolux \[options\]$||--help"
  "0|=horolux $version||--version"
  "0|=horolux $version||-platform offscreen -display :0 -style Fusion --version"
  "1||~Unknown option 'frobnicate'|--frobnicate"
  "1||~Unknown option 'x'|-x"
  "1||~'notes.txt'|notes.txt"
  "1||~^horolux: no display.*-platform offscreen.*xvfb-run|"
  "1||~^horolux: cannot open the display :97;.*xvfb-run|-display :97"
  "1||~'abc' is not a number of minutes|--countdown abc"
  "0|||--list"
  "1||~^horolux: No Horolux is running|--press Tea"
  "1||~^horolux: no display|--stopwatch --id Tea"
)
matches() { # matches <file> <expectation>
  case $2 in
    "") [ ! -s "$1" ] ;;
    =*) [ "$(cat "$1")" = "${2#=}" ] ;;
    \~*) grep -q -E -- "${2#\~}" "$1" ;;
  esac
}
for entry in "${cases[@]}"; do
  IFS='|' read -r want out err line <<<"$entry"
  read -r -a arguments <<<"$line"
  run 10 "${arguments[@]}"
  if [ "$status" != "$want" ] || ! matches "$work/out" "$out" || ! matches "$work/err" "$err"; then
    fail "horolux $line: status $status (wanted $want)"
    sed 's/^/  stdout: /' "$work/out" >&2
    sed 's/^/  stderr: /' "$work/err" >&2
  fi
done

# Qt's refusals of an option in the user's language, the argument shown
# without its control characters: language | standard error | argument.
for entry in "de|^horolux: Unbekannte Option „frobnicate“\.$|--frobnicate" "ja|「--id」の後に値がありません|--id" \
  "en|^horolux: Unknown option 'a\?b'\.$|--a$(printf '\033')b" "he|^horolux: אפשרויות לא מוכרות: x, y\.$|--x --y"; do
  IFS='|' read -r language err argument <<<"$entry"
  LANGUAGE=$language run 10 $argument # unquoted: "--x --y" is two arguments
  [ "$status" = 1 ] && matches "$work/err" "~$err" || { fail "LANGUAGE=$language $argument"; cat "$work/err" >&2; }
done

# A display named in DISPLAY that cannot be reached: the same answer, not Qt's abort.
export DISPLAY=:97
run 10
unset DISPLAY
[ "$status" = 1 ] && grep -q '^horolux: cannot open the display :97;' "$work/err" ||
  { fail "DISPLAY=:97: status $status"; cat "$work/err" >&2; }

# Qt's options reach Qt: the program takes -platform and runs until stopped
# (timeout's 124) instead of failing for want of a display.
run 3 -platform offscreen -style Fusion -reverse -qwindowtitle Horolux -widgetcount
[ "$status" = 124 ] || { fail "with -platform offscreen: status $status, not still running"; cat "$work/err" >&2; }

# ...and -display reaches the X11 platform: a private Xvfb, named only there.
if command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  if [ -s "$work/display" ]; then
    run 3 -display ":$(tr -d '\n' <"$work/display")" -name horolux-test -geometry +10+10
    [ "$status" = 124 ] || { fail "with -display: status $status, not still running"; cat "$work/err" >&2; }
  else
    fail "Xvfb did not start"
    cat "$work/xvfb.log" >&2
  fi
else
  fail "Xvfb is missing (Debian package xvfb, in the test packages)"
fi

# The manual page's OPTIONS list the options of --help, no more, no fewer.
options_in_help=$(timeout 10 "$program" --help | sed -n '/^Options:$/,/^$/p' |
  grep -o -E -- '--?[A-Za-z][A-Za-z-]*' | sort -u)
options_in_manual=$(sed -n '/^\.SH OPTIONS/,/^\.S[SH]/p' "$manpage" | grep -A1 '^\.TP' |
  grep -v -E '^(\.TP|--)$' | sed 's/\\-/-/g' | grep -o -E -- '--?[A-Za-z][A-Za-z-]*' | sort -u)
if [ -z "$options_in_help" ] || [ "$options_in_help" != "$options_in_manual" ]; then
  fail "the manual page's options differ from --help's (< --help, > manual page)"
  diff <(echo "$options_in_help") <(echo "$options_in_manual") >&2 || true
fi

[ "$failures" -eq 0 ] || exit 1
echo "commandline.sh: $((${#cases[@]} + 8)) checks passed without a display"
