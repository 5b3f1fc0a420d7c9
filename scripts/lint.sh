#!/usr/bin/env bash
# clang-format and clang-tidy over the program's own sources.
# Usage: scripts/lint.sh BUILD_DIR   (a configured build with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
mapfile -t sources < <(git ls-files -- 'app/*.cpp' 'app/*.h' 'core/*.cpp' 'core/*.h' 'platform/*.cpp' 'platform/*.h' \
    'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'fuzz/*.cpp')
clang-format --dry-run -Werror "${sources[@]}"
echo "clang-format: clean"
log=$(mktemp)
run-clang-tidy -p "$build" -quiet "$PWD/(app|core|platform)/.*\.cpp$" >"$log" 2>&1 || true
grep -v -E '^[0-9]+ warnings? generated|^Suppressed|^Use -header-filter|^clang-tidy-[0-9]+ ' "$log" || true
if grep -q -E 'error:|warning:' "$log"; then
    echo "clang-tidy: findings above" >&2
    rm -f "$log"
    exit 1
fi
rm -f "$log"
echo "clang-tidy: clean"
