#!/usr/bin/env bash
# The desktop measurements of Horolux against a bare Qt window, on private
# Xvfb servers (without a window manager, and one with openbox), printed as
# one table of medians against the targets. `make bench` runs it after the
# micro-benchmarks and reads their JSON results for the tick rows.
#
#   bash bench/measure.sh [BUILD [PART...]]   (RUNS=5 runs by default;
#                                              ACCURACY_SECONDS=30 for the accuracy run)
#
# PART selects what is measured and printed: pair (one window against the bare
# one), accuracy, twenty (twenty windows), micro (the micro-benchmarks' rows),
# minimized (openbox); all of them by default. BEFORE=PROGRAM runs the
# minimized part on a second build of Horolux too, e.g. one from before a
# change, and prints it in the second column.
#
# What is measured, and how (see also the README's Performance section):
# - start-up: bench/xprobe forks and execs the program and waits for its first
#   top-level MapNotify on the root window; the time from just before the fork;
# - resident memory: VmRSS 2 s after the window was mapped, and again 2 s
#   after four more windows were opened with "Another Timer?";
# - CPU: the run time of all the program's threads (/proc/PID/task/*/schedstat,
#   nanoseconds) over 10 s; wake-ups: their voluntary context switches over
#   the same 10 s, each a return from a blocking wait (poll, futex);
# - display updates: xprobe counts, through the DAMAGE extension, the drawing
#   requests that touch the stopwatch display;
# - clicks: xprobe clicks through XTest and waits until the pixels of the
#   control that answers have changed on the server;
# - ticks per window: bench_ticks, the windows in one process with counters on
#   their timers' signals;
# - accuracy: bench_accuracy, every write to the displays against the boot-time
#   clock;
# - minimized: with openbox on its own Xvfb, a running stopwatch's CPU and
#   wake-ups visible, minimized through the window manager (WM_CHANGE_STATE)
#   and on another workspace; after a restore through the window manager
#   (_NET_ACTIVE_WINDOW) the time until the display is drawn, then its updates.
set -uo pipefail

build=${1:-build}
shift $(($# > 0 ? 1 : 0))
parts=${*:-pair accuracy twenty micro minimized}
selected() { [[ " $parts " == *" $1 "* ]]; }
before=${BEFORE:-}
runs=${RUNS:-5}
xprobe=$build/bench/xprobe
horolux=$build/app/horolux
bare=$build/bench/bare_window
for program in "$xprobe" "$horolux" "$bare" "$build/bench/bench_ticks" "$build/bench/bench_accuracy"; do
    [ -x "$program" ] || { echo "measure: $program is missing; run make build" >&2; exit 1; }
done

work=$(mktemp -d)
servers=()
programs=()
# Ends what this script started and is still running: a process id that has
# been given to another program since is left alone.
cleanup() {
    local pid exe
    for pid in "${programs[@]}" "${servers[@]}"; do
        exe=$(readlink -f "/proc/$pid/exe" 2>/dev/null) || continue
        case "$exe" in
        "$(readlink -f "$horolux")" | "$(readlink -f "$bare")" | */Xvfb | */dbus-daemon | */openbox) kill "$pid" 2>/dev/null ;;
        "$(readlink -f "${before:-/nonexistent}")") kill "$pid" ;;
        esac
    done
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
# A private session bus, as a desktop session has one; without it Qt would
# start one through X11 autolaunch in the first run only, and leave it behind.
dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus.address" 4>"$work/bus.pid" ||
    { echo "measure: cannot start a session bus" >&2; exit 1; }
servers+=("$(cat "$work/bus.pid")")
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus.address")
export DBUS_SESSION_BUS_ADDRESS
results=$work/results # lines: metric value

note() { echo "$1 $2" >>"$results"; }
log() { printf '  %s\n' "$*" >&2; }

# A private Xvfb of the given size on a free display number; sets DISPLAY
# and XVFB (its process id).
start_xvfb() {
    local size=$1 fd=$work/display.$1
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fd" \
        >"$work/xvfb.$size.log" 2>&1 &
    XVFB=$!
    servers+=("$XVFB")
    for _ in $(seq 100); do
        [ -s "$fd" ] && break
        sleep 0.1
    done
    [ -s "$fd" ] || { echo "measure: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$fd")"
}

cpu_ns() {
    local total=0 task
    for task in /proc/"$1"/task/*; do
        read -r ns _ <"$task/schedstat" && total=$((total + ns))
    done
    echo "$total"
}
wakeups() {
    local total=0 task n
    for task in /proc/"$1"/task/*; do
        n=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null) &&
            total=$((total + ${n:-0}))
    done
    echo "$total"
}
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
now_s() { echo "${EPOCHREALTIME/,/.}"; }
calc() { awk "BEGIN { printf \"%.${2:-3}f\", $1 }"; }

stop_program() {
    kill "$1" 2>/dev/null
    for _ in $(seq 50); do
        [ -d "/proc/$1" ] || return 0
        sleep 0.05
    done
    kill -9 "$1" 2>/dev/null
}

# Reads "key=value ..." into variables named <prefix>_<key>.
parse() {
    local prefix=$1 pair
    shift
    for pair in $*; do
        printf -v "${prefix}_${pair%%=*}" '%s' "${pair#*=}"
    done
}

# Places in the timer window (and the bare one): the layout's twips / 15,
# from the top of the client area, which lies below the menu bar.
readonly CLIENT_HEIGHT=254
readonly START_X=71 START_Y=146     # cmdSWButton
readonly CAPTURE_X=218 CAPTURE_Y=146 # cmdSWPause
readonly ANOTHER_X=412 ANOTHER_Y=218 # cmdAnotherTimer
# The displays, in the client area: txtSWTime at 15, 36 and txtSWTime1 at
# 15, 84, both 141 x 37.

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
maximum() { sort -g | tail -n1; }

# Starts one program, notes its start-up and, 2 s later, its memory; moves its
# window to X, Y (the programs must not cover each other's displays).
declare -A PID WIN LEFT TOP MENU WIDTH HEIGHT
launch() {
    local name=$1 program=$2 out
    out=$("$xprobe" start "$work/$name.log" "$program") || { log "$name did not start"; return 1; }
    parse W "$out"
    programs+=("$W_pid")
    note "$name.startup_ms" "$W_ms"
    "$xprobe" move "$W_window" "$3" "$4"
    PID[$name]=$W_pid WIN[$name]=$W_window LEFT[$name]=$3 TOP[$name]=$4
    MENU[$name]=$((W_h - CLIENT_HEIGHT)) WIDTH[$name]=$W_w HEIGHT[$name]=$W_h
    sleep 2
    note "$name.rss_mb" "$(calc "$(rss_kb "$W_pid") / 1024" 1)"
}

# xprobe count arguments for a window's stopwatch display, then the four
# rectangles around it that make up the rest of the window.
display_and_rest() {
    local name=$1 w=${WIN[$1]} m=${MENU[$1]}
    echo "$w 15 $((m + 36)) 141 37" \
        "$w 0 0 ${WIDTH[$name]} $((m + 36))" \
        "$w 0 $((m + 73)) ${WIDTH[$name]} $((HEIGHT[$name] - m - 73))" \
        "$w 0 $((m + 36)) 15 37" \
        "$w 156 $((m + 36)) $((WIDTH[$name] - 156)) 37"
}

# Horolux and the bare window on the 1280x1024 server, both started (one
# after the other), idle side by side for the same 10 s, then each running
# for 10 s while the other is idle or gone: running side by side, the two
# programs' timers would couple through the X server and the CPU caches
# depending on their phase, and bias the comparison either way.
measure_pair() {
    local first=$1 second=$2 name out
    declare -A program=([horolux]=$horolux [bare]=$bare)
    declare -A place=([horolux]="380 0" [bare]="380 600")
    for name in "$first" "$second"; do
        # shellcheck disable=SC2086
        launch "$name" "${program[$name]}" ${place[$name]} || return 1
    done

    declare -A c0 c1 w0 w1
    local t0 t1 x0 x1
    for name in horolux bare; do c0[$name]=$(cpu_ns "${PID[$name]}") w0[$name]=$(wakeups "${PID[$name]}"); done
    t0=$(now_s)
    sleep 10
    t1=$(now_s)
    for name in horolux bare; do c1[$name]=$(cpu_ns "${PID[$name]}") w1[$name]=$(wakeups "${PID[$name]}"); done
    for name in horolux bare; do
        note "$name.idle_cpu_pct" "$(calc "(${c1[$name]} - ${c0[$name]}) / 1e7 / ($t1 - $t0)" 3)"
        note "$name.idle_wakeups" "$((w1[$name] - w0[$name]))"
    done

    local pid left top updates
    for name in "$first" "$second"; do
        pid=${PID[$name]} left=${LEFT[$name]} top=$((TOP[$name] + MENU[$name]))
        out=$("$xprobe" respond $((left + START_X)) $((top + START_Y)) "${WIN[$name]}" \
            15 $((MENU[$name] + 36)) 141 37)
        parse R "$out"
        note "$name.start_click_ms" "$R_ms"
        sleep 1
        c0[$name]=$(cpu_ns "$pid") w0[$name]=$(wakeups "$pid") x0=$(cpu_ns "$XVFB") t0=$(now_s)
        # shellcheck disable=SC2046
        "$xprobe" count 10 $(display_and_rest "$name") >"$work/updates"
        c1[$name]=$(cpu_ns "$pid") w1[$name]=$(wakeups "$pid") x1=$(cpu_ns "$XVFB") t1=$(now_s)
        updates=$(head -n1 "$work/updates")
        note "$name.run_cpu_pct" "$(calc "(${c1[$name]} - ${c0[$name]}) / 1e7 / ($t1 - $t0)" 2)"
        note "$name.xvfb_cpu_pct" "$(calc "($x1 - $x0) / 1e7 / ($t1 - $t0)" 2)"
        note "$name.run_wakeups_per_s" "$(calc "(${w1[$name]} - ${w0[$name]}) / ($t1 - $t0)" 0)"
        note "$name.updates_per_s" "$updates"
        note "$name.elsewhere_per_s" "$(tail -n4 "$work/updates" | awk '{ s += $1 } END { print s }')"
        note "$name.ms_per_update" "$(calc "(${c1[$name]} - ${c0[$name]}) / 1e6 / ($t1 - $t0) / $updates" 3)"
        if [ "$name" = bare ]; then
            stop_program "$pid" # it cannot be stopped
            continue
        fi
        for _ in 1 2 3; do
            out=$("$xprobe" respond $((left + CAPTURE_X)) $((top + CAPTURE_Y)) "${WIN[$name]}" \
                15 $((MENU[$name] + 84)) 141 37)
            parse R "$out"
            note horolux.capture_click_ms "$R_ms"
            sleep 0.3
        done
        "$xprobe" click $((left + START_X)) $((top + START_Y)) # Stop
    done

    # Further timer windows: what each adds to the memory.
    local before
    pid=${PID[horolux]} left=${LEFT[horolux]} top=$((TOP[horolux] + MENU[horolux]))
    before=$(rss_kb "$pid")
    for _ in 1 2 3 4; do
        out=$("$xprobe" click-map $((left + ANOTHER_X)) $((top + ANOTHER_Y)))
        parse M "$out"
        note horolux.another_map_ms "$M_ms"
    done
    sleep 2
    note horolux.window_mb "$(calc "($(rss_kb "$pid") - $before) / 4 / 1024" 2)"
    stop_program "$pid"
}

# Twenty timer windows of one program on a larger server, all running.
measure_twenty() {
    local out
    out=$("$xprobe" start "$work/twenty.log" "$horolux") || { log "horolux did not start"; return 1; }
    parse W "$out"
    programs+=("$W_pid")
    local menu=$((W_h - CLIENT_HEIGHT)) before
    local -a win=("$W_window") left=("$W_x") top=("$W_y")
    sleep 1
    before=$(rss_kb "$W_pid")
    local col row
    for col in 0 1 2 3 4; do
        for row in 0 1 2 3; do
            [ ${#win[@]} -ge 20 ] && continue
            out=$("$xprobe" click-map $((W_x + ANOTHER_X)) $((W_y + menu + ANOTHER_Y)))
            parse M "$out"
            "$xprobe" move "$M_window" $((col * 524)) $((row * 300 + 300))
            win+=("$M_window") left+=($((col * 524))) top+=($((row * 300 + 300)))
        done
    done
    local i
    for i in "${!win[@]}"; do
        "$xprobe" click $((left[i] + START_X)) $((top[i] + menu + START_Y))
    done
    sleep 2
    note twenty.window_mb "$(calc "($(rss_kb "$W_pid") - $before) / 19 / 1024" 2)"

    local args=() c0 c1 t0 t1
    for i in "${!win[@]}"; do
        args+=("${win[i]}" 15 $((menu + 36)) 141 37)
    done
    c0=$(cpu_ns "$W_pid") t0=$(now_s)
    "$xprobe" count 10 "${args[@]}" >"$work/twenty.updates"
    c1=$(cpu_ns "$W_pid") t1=$(now_s)
    note twenty.cpu_pct "$(calc "($c1 - $c0) / 1e7 / ($t1 - $t0)" 2)"
    note twenty.updates_per_s_min "$(sort -g "$work/twenty.updates" | head -n1)"

    : >"$work/twenty.clicks"
    for i in "${!win[@]}"; do
        out=$("$xprobe" respond $((left[i] + CAPTURE_X)) $((top[i] + menu + CAPTURE_Y)) "${win[i]}" \
            15 $((menu + 84)) 141 37)
        parse R "$out"
        echo "$R_ms" >>"$work/twenty.clicks"
    done
    note twenty.click_ms_median "$(median <"$work/twenty.clicks")"
    note twenty.click_ms_max "$(maximum <"$work/twenty.clicks")"
    stop_program "$W_pid"
}

# The Xvfb of start_xvfb with openbox managing its windows; the window
# manager's own configuration, without the animation of minimizing and
# restoring (which would only delay the window's return), and its files stay in
# the work folder.
start_openbox() {
    sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
        /etc/xdg/openbox/rc.xml >"$work/openbox.xml"
    XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache \
        openbox --config-file "$work/openbox.xml" --sm-disable >"$work/openbox.log" 2>&1 &
    servers+=("$!")
    "$xprobe" wm >/dev/null || { echo "measure: openbox did not start" >&2; exit 1; }
}

# A program's CPU (% of a core) and wake-ups per second over SECONDS, noted
# as NAME.cpu_pct and NAME.wakeups_per_s; given a display (xprobe count's
# arguments), the updates drawn into it per second too, as NAME.updates_per_s.
measure_while() {
    local name=$1 pid=$2 seconds=$3 display=${4:-} c0 c1 w0 w1 t0 t1
    c0=$(cpu_ns "$pid") w0=$(wakeups "$pid") t0=$(now_s)
    if [ -n "$display" ]; then
        # shellcheck disable=SC2086
        note "$name.updates_per_s" "$("$xprobe" count "$seconds" $display)"
    else
        sleep "$seconds"
    fi
    c1=$(cpu_ns "$pid") w1=$(wakeups "$pid") t1=$(now_s)
    note "$name.cpu_pct" "$(calc "($c1 - $c0) / 1e7 / ($t1 - $t0)" 3)"
    note "$name.wakeups_per_s" "$(calc "($w1 - $w0) / ($t1 - $t0)" 1)"
}

# One program (Horolux, or the BEFORE build as NAME "before") under openbox:
# its stopwatch running, visible for 10 s, minimized for 10 s, restored three
# times (each timed to the first drawing of the display), updating for 5 s,
# then on another workspace for 5 s. The program runs without the right to set
# the clock and with no system bus to ask.
measure_minimized() {
    local name=$1 command=$2 out pid menu display i
    out=$(DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/no-system-bus "$xprobe" start "$work/$name.log" \
        setpriv --bounding-set=-sys_time --inh-caps=-sys_time "$command") ||
        { log "$name did not start under openbox"; return 1; }
    parse W "$out"
    pid=$W_pid
    programs+=("$pid")
    out=$("$xprobe" client "$pid") || { stop_program "$pid"; return 1; }
    parse C "$out"
    menu=$((C_h - CLIENT_HEIGHT))
    display="$C_window 15 $((menu + 36)) 141 37"
    sleep 1
    "$xprobe" click $((C_x + START_X)) $((C_y + menu + START_Y))
    sleep 1

    measure_while "$name.visible" "$pid" 10 "$display"
    "$xprobe" iconify "$C_window" >/dev/null
    sleep 1
    measure_while "$name.minimized" "$pid" 10
    for i in 1 2 3; do
        # shellcheck disable=SC2086
        out=$("$xprobe" restore $display)
        parse R "$out"
        note "$name.restore_ms" "$R_ms"
        note "$name.restore_after_map_ms" "$(calc "$R_ms - $R_map_ms" 2)"
        sleep 1
        [ "$i" = 3 ] && break
        "$xprobe" iconify "$C_window" >/dev/null
        sleep 1
    done
    measure_while "$name.restored" "$pid" 5 "$display"
    "$xprobe" desktop 1
    sleep 1
    measure_while "$name.elsewhere" "$pid" 5
    "$xprobe" desktop 0
    stop_program "$pid"
}

load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "Desktop measurements: $runs runs; load average before: $(load)" >&2

selected pair || selected accuracy && start_xvfb 1280x1024
if selected pair; then
    # One start of each program that is not counted, so that the first run
    # does not pay alone for a cold page cache.
    for program in "$horolux" "$bare"; do
        out=$("$xprobe" start "$work/warm-up.log" "$program") && parse W "$out" && stop_program "$W_pid"
    done
    for run in $(seq "$runs"); do
        log "run $run of $runs: one window each (load $(load))"
        # Alternate the order of the starts, so that neither always comes first.
        if [ $((run % 2)) = 1 ]; then
            measure_pair horolux bare
        else
            measure_pair bare horolux
        fi
    done
fi
if selected accuracy; then
    log "accuracy: a 30 s stopwatch run and a validated 0.5-minute countdown (load $(load))"
    "$build/bench/bench_accuracy" "${ACCURACY_SECONDS:-30}" 2>/dev/null | grep -v '^#' | tr '=' ' ' | sed 's/^/accuracy./' >>"$results"
fi

if selected twenty; then
    start_xvfb 2620x1500
    for run in $(seq "$runs"); do
        log "run $run of $runs: twenty windows (load $(load))"
        measure_twenty
        "$build/bench/bench_ticks" 20 10 2>/dev/null | tr '=' ' ' | sed 's/^/ticks./' >>"$results"
    done
fi

if selected minimized; then
    start_xvfb 1280x1024
    start_openbox
    [ -z "$before" ] || [ -x "$before" ] || { echo "measure: BEFORE=$before is no program" >&2; exit 1; }
    for run in $(seq "$runs"); do
        log "run $run of $runs: minimized under openbox (load $(load))"
        if [ -z "$before" ]; then
            measure_minimized horolux "$horolux"
        elif [ $((run % 2)) = 1 ]; then
            measure_minimized horolux "$horolux" && measure_minimized before "$before"
        else
            measure_minimized before "$before" && measure_minimized horolux "$horolux"
        fi
    done
fi
echo "Load average after: $(load)" >&2

# The micro-benchmarks' medians, in microseconds, from make bench's JSON.
json=$build/bench/handlers.json
if selected micro && [ -s "$json" ]; then
    python3 - "$json" >>"$results" <<'EOF'
import json, sys
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
        print("micro.%s %.4f" % (b["run_name"], b["cpu_time"] * scale))
        if "allocs" in b:
            print("micro.%s.allocs %.2f" % (b["run_name"], b["allocs"]))
EOF
fi

# Every run's figures stay behind for a closer look.
cp "$results" "$build/bench/measure-results.txt"

# The table.
value() { awk -v m="$1" '$1 == m { print $2 }' "$results" | median; }
met=0 missed=0
# row LABEL HOROLUX BARE RATIO TARGET CHECK: CHECK is an awk condition on h, b, r.
row() {
    local verdict=""
    if [ -n "$6" ]; then
        if awk -v h="$2" -v b="$3" -v r="$4" "BEGIN { exit !($6) }" 2>/dev/null &&
            [ "$2" != nan ]; then
            verdict=met met=$((met + 1))
        else
            verdict=MISSED missed=$((missed + 1))
        fi
    fi
    printf '| %-46s | %9s | %9s | %6s | %-28s | %-6s |\n' "$1" "$2" "$3" "$4" "$5" "$verdict"
}
ratio() { [ "$1" = nan ] || [ "$2" = nan ] && echo nan || calc "$1 / $2" 2; }
difference() { [ "$1" = nan ] || [ "$2" = nan ] && echo nan || calc "$1 - $2" 3; }

H_start=$(value horolux.startup_ms) B_start=$(value bare.startup_ms)
H_rss=$(value horolux.rss_mb) B_rss=$(value bare.rss_mb)
H_idle=$(value horolux.idle_cpu_pct) B_idle=$(value bare.idle_cpu_pct)
H_wake=$(value horolux.idle_wakeups) B_wake=$(value bare.idle_wakeups)
H_run=$(value horolux.run_cpu_pct) B_run=$(value bare.run_cpu_pct)
H_upd=$(value horolux.ms_per_update) B_upd=$(value bare.ms_per_update)
H_ups=$(value horolux.updates_per_s) B_ups=$(value bare.updates_per_s)
H_x=$(value horolux.xvfb_cpu_pct) B_x=$(value bare.xvfb_cpu_pct)
T_cpu=$(value twenty.cpu_pct)
tick=$(value micro.tickWithoutWrite) write=$(value micro.tickWithWrite)
settext=$(value micro.setTextAlone) cdtick=$(value micro.countdownTick)

echo
echo "Horolux performance: medians of $runs runs (bare = plain Qt window, same size, twenty controls, same writes${before:+; in the openbox rows the second column is $before})"
printf '| %-46s | %9s | %9s | %6s | %-28s | %-6s |\n' Measure Horolux "Bare Qt" Ratio Target Result
printf '|%s|%s|%s|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..48})" "-----------" "-----------" \
    "--------" "$(printf -- '-%.0s' {1..30})" "--------"
if selected pair; then
    row "Start-up, exec to window mapped (ms)" "$H_start" "$B_start" "$(ratio "$H_start" "$B_start")" \
        "<= 80 and <= 1.4 x bare" "h <= 80 && r <= 1.4"
    row "Resident memory 2 s after start (MB)" "$H_rss" "$B_rss" "" "<= 35" "h <= 35"
    row "Memory per further window, 4 windows (MB)" "$(value horolux.window_mb)" "" "" "<= 1.5" "h <= 1.5"
fi
if selected twenty; then
    row "Memory per further window, 19 running (MB)" "$(value twenty.window_mb)" "" "" "<= 1.5" "h <= 1.5"
fi
if selected pair; then
    row "Idle: CPU over 10 s (% of a core)" "$H_idle" "$B_idle" "" "< 0.01 (none measurable)" "h < 0.01"
    row "Idle: wake-ups over 10 s" "$H_wake" "$B_wake" "" "0" "h == 0"
    row "Stopwatch running: CPU (% of a core)" "$H_run" "$B_run" "$(ratio "$H_run" "$B_run")" \
        "<= 8 and <= 1.0 x bare" "h <= 8 && r <= 1.0"
    row "Stopwatch running: CPU per update (ms)" "$H_upd" "$B_upd" "$(ratio "$H_upd" "$B_upd")" "<= 0.8" "h <= 0.8"
    row "Stopwatch running: display updates per s" "$H_ups" "$B_ups" "" "(about 100)" ""
    row "Stopwatch running: updates elsewhere per s" "$(value horolux.elsewhere_per_s)" \
        "$(value bare.elsewhere_per_s)" "" "0 (only the display)" "h == 0"
    row "Stopwatch running: wake-ups per s" "$(value horolux.run_wakeups_per_s)" \
        "$(value bare.run_wakeups_per_s)" "" "(for information)" ""
    row "Stopwatch running: Xvfb CPU (% of a core)" "$H_x" "$B_x" "$(ratio "$H_x" "$B_x")" \
        "(for information)" ""
    row "Stopwatch running: program + Xvfb (%)" "$(calc "$H_run + $H_x" 2)" "$(calc "$B_run + $B_x" 2)" \
        "" "<= 8 (painting included)" "h <= 8"
    row "Click to display answered: Start (ms)" "$(value horolux.start_click_ms)" \
        "$(value bare.start_click_ms)" "" "<= 20" "h <= 20"
    row "Click to display answered: Capture (ms)" "$(value horolux.capture_click_ms)" "" "" "<= 20" "h <= 20"
fi
if selected micro; then
    row "Tick, no write (us, fake clock)" "$tick" "" "" "<= 1" "h <= 1"
    row "Tick, no write: mallocs per tick" "$(value micro.tickWithoutWrite.allocs)" "" "" "0" "h == 0"
    row "Tick with write minus setText alone (us)" "$(difference "$write" "$settext")" "" "" "<= 1" "h <= 1"
    row "Countdown tick with write (us)" "$cdtick" "" "" "(for information)" ""
    row "Stopwatch model's tick alone (us, fake clock)" "$(value micro.stopwatchModelTick)" "" "" \
        "(for information)" ""
    row "Stopwatch model's tick: mallocs per tick" "$(value micro.stopwatchModelTick.allocs)" "" "" \
        "0" "h == 0"
fi
if selected twenty; then
    row "Twenty windows: CPU (% of a core)" "$T_cpu" "" "" "(for information)" ""
    selected pair && # against one window of the pair
        row "Twenty windows: CPU / (20 x one window)" "$(ratio "$T_cpu" "$(ratio "$H_run" 0.05)")" "" "" \
            "<= 1.0 (linear or better)" "h <= 1.0"
    row "Twenty windows: ticks per s, slowest window" "$(value ticks.ticks_per_s_min)" "" "" ">= 190" "h >= 190"
    row "Twenty windows: updates per s, slowest window" "$(value twenty.updates_per_s_min)" "" "" \
        "(about 100)" ""
    row "Twenty windows: click answered, median (ms)" "$(value twenty.click_ms_median)" "" "" "<= 20" "h <= 20"
    row "Twenty windows: click answered, slowest (ms)" "$(value twenty.click_ms_max)" "" "" "<= 20" "h <= 20"
fi
if selected accuracy; then
    row "Accuracy: stopwatch text vs true (s, worst)" "$(value accuracy.sw_error_s)" "" "" "<= 0.015" "h <= 0.015"
    row "Accuracy: validated countdown's stopwatch (s)" "$(value accuracy.cd_sw_error_s)" "" "" "<= 0.015" \
        "h <= 0.015"
    row "Accuracy: time left shown vs true (s, worst)" "$(value accuracy.cd_left_error_s)" "" "" "<= 0.52" "h <= 0.52"
    row "Accuracy: longest between stopwatch writes (ms)" "$(value accuracy.sw_longest_gap_ms)" "" "" \
        "(for information)" ""
    row "Accuracy: DONE after the end instant (s)" "$(value accuracy.cd_done_late_s)" "" "" "<= 1.02" "h <= 1.02"
fi
if selected minimized; then
    # Visible, the stopwatch costs what it did: against the BEFORE build under
    # openbox when one was given, else against one stopwatch without a window
    # manager (the pair above) in the same run.
    O_vis=$(value horolux.visible.cpu_pct) P_vis=$(value before.visible.cpu_pct)
    if [ -n "$before" ]; then
        reference=$P_vis against="before"
    elif selected pair; then
        reference=$H_run against="no WM"
    else
        reference="" against=""
    fi
    if [ -n "$against" ]; then
        row "Openbox: stopwatch visible, CPU (% of a core)" "$O_vis" "${before:+$P_vis}" \
            "$(ratio "$O_vis" "$reference")" "<= 1.15 x $against (same run)" "r <= 1.15"
    else
        row "Openbox: stopwatch visible, CPU (% of a core)" "$O_vis" "" "" "(no run to compare)" ""
    fi
    row "Openbox: stopwatch visible, wake-ups per s" "$(value horolux.visible.wakeups_per_s)" \
        "${before:+$(value before.visible.wakeups_per_s)}" "" "(for information)" ""
    row "Openbox: stopwatch visible, updates per s" "$(value horolux.visible.updates_per_s)" \
        "${before:+$(value before.visible.updates_per_s)}" "" "(about 100)" ""
    row "Openbox: minimized, CPU (% of a core)" "$(value horolux.minimized.cpu_pct)" \
        "${before:+$(value before.minimized.cpu_pct)}" "" "<= 0.1" "h <= 0.1"
    row "Openbox: minimized, wake-ups per s" "$(value horolux.minimized.wakeups_per_s)" \
        "${before:+$(value before.minimized.wakeups_per_s)}" "" "<= 5" "h <= 5"
    row "Openbox: restore to display drawn (ms)" "$(value horolux.restore_ms)" \
        "${before:+$(value before.restore_ms)}" "" "<= 16.7 (a frame at 60 Hz)" "h <= 16.7"
    row "Openbox: restore to display drawn, worst (ms)" \
        "$(awk '$1 == "horolux.restore_ms" { print $2 }' "$results" | maximum)" "" "" "(for information)" ""
    row "Openbox: restore, mapped to display drawn (ms)" "$(value horolux.restore_after_map_ms)" \
        "${before:+$(value before.restore_after_map_ms)}" "" "(for information)" ""
    row "Openbox: restored, display updates per s" "$(value horolux.restored.updates_per_s)" \
        "${before:+$(value before.restored.updates_per_s)}" "" ">= 90 (ticking again)" "h >= 90"
    row "Openbox: other workspace, CPU (% of a core)" "$(value horolux.elsewhere.cpu_pct)" \
        "${before:+$(value before.elsewhere.cpu_pct)}" "" "(for information)" ""
    row "Openbox: other workspace, wake-ups per s" "$(value horolux.elsewhere.wakeups_per_s)" \
        "${before:+$(value before.elsewhere.wakeups_per_s)}" "" "(for information)" ""
fi
echo
echo "Every run's figures: $build/bench/measure-results.txt"
echo "$met targets met, $missed missed. Machine: $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo), $(. /etc/os-release && echo "$PRETTY_NAME"), Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6)."
