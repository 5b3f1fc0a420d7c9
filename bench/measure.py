#!/usr/bin/python3
"""The measurements of Horolux, printed as one table of medians against the
targets: the micro-benchmarks of the hot handlers, and the real program on
private Xvfb servers (without a window manager, and one with openbox) next to
bench/bare_window, a plain Qt window of the same size.

    python3 bench/measure.py [BUILD [PART...]]   (RUNS=5 by default;
                                                  ACCURACY_SECONDS=30)

PART: startup (STARTS=20 starts of each, interleaved, each with a fresh state
folder), pair (one window against the bare one), accuracy, twenty (twenty
windows), micro (the micro-benchmarks), minimized (openbox), restore (a start
that brings back twenty recorded timings), tray (openbox: a minimized window
with a running countdown, with a tray host on the bus and without, against
the bare window minimized); all by default.
BEFORE=PROGRAM runs the minimized part on a second build too, e.g. one from
before a change, and prints it in the second column. Every run gets its own
session bus and its own XDG folders; the README says how each figure is taken.
"""
import glob
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

BUILD = Path(sys.argv[1] if len(sys.argv) > 1 else "build")
PARTS = sys.argv[2:] or ["startup", "pair", "accuracy", "twenty", "micro", "minimized", "restore", "tray"]
RUNS = int(os.environ.get("RUNS", "5"))
STARTS = int(os.environ.get("STARTS", "20"))
BEFORE = os.environ.get("BEFORE", "")
XPROBE, HOROLUX, BARE = BUILD / "bench/xprobe", BUILD / "app/horolux", BUILD / "bench/bare_window"
WORK = Path(tempfile.mkdtemp(prefix="horolux-bench-"))
results = {}  # metric: every run's values
servers = []  # the Popen objects of the buses, X servers and window manager
programs = []  # the ids of the processes that xprobe started


def note(metric, value):
    results.setdefault(metric, []).append(float(value))


def log(text):
    print("  " + text, file=sys.stderr, flush=True)


def probe(*args):
    """Runs an xprobe command; its "key=value" words, or its lines."""
    done = subprocess.run([XPROBE, *map(str, args)], stdout=subprocess.PIPE, text=True)
    if done.returncode == 1:
        raise RuntimeError("xprobe %s failed" % args[0])
    return done.stdout


def fields(text):
    return {k: float(v) for k, v in (word.split("=") for word in text.split())}


def per_task(pid, name):
    """The file NAME of each of a process's threads, as text; a thread that ended meanwhile is left out."""
    for task in glob.glob("/proc/%d/task/*" % pid):
        try:
            yield Path(task, name).read_text()
        except OSError:
            pass


def status_field(text, field):
    return int(next(line.split()[1] for line in text.splitlines() if line.startswith(field)))


def cpu_ns(pid):
    return sum(int(stat.split()[0]) for stat in per_task(pid, "schedstat"))


def wakeups(pid):
    return sum(status_field(status, "voluntary_ctxt_switches") for status in per_task(pid, "status"))


def rss_kb(pid):
    return status_field(Path("/proc/%d/status" % pid).read_text(), "VmRSS")


class Usage:
    """A process's CPU (% of a core) and wake-ups per second from now to stop()."""

    def __init__(self, pid):
        self.pid, self.t, self.cpu, self.wake = pid, time.monotonic(), cpu_ns(pid), wakeups(pid)

    def stop(self):
        seconds = time.monotonic() - self.t
        self.cpu_pct = (cpu_ns(self.pid) - self.cpu) / 1e7 / seconds
        self.wakeups = wakeups(self.pid) - self.wake
        self.wakeups_per_s = self.wakeups / seconds
        self.ms_per_s = self.cpu_pct * 10
        return self


def stop_program(pid):
    """Ends a program that xprobe started, unless its id has gone to another."""
    ours = (str(HOROLUX.resolve()), str(BARE.resolve()), os.path.realpath(BEFORE or "/-"))
    try:
        if os.path.realpath("/proc/%d/exe" % pid) not in ours:
            return
        os.kill(pid, 15)
    except OSError:
        return
    for _ in range(50):
        if not os.path.exists("/proc/%d" % pid):
            return
        time.sleep(0.05)
    try:
        os.kill(pid, 9)
    except OSError:
        pass


PLACE = {}  # the timer window's controls in pixels, from the layout table (xprobe layout)


class Window:
    """A top-level timer window as xprobe reports it; the client area lies below the menu bar."""

    def __init__(self, f):
        self.pid, self.id, self.startup_ms = int(f.get("pid", 0)), int(f["window"]), f.get("ms")
        self.x, self.y, self.w, self.h = int(f["x"]), int(f["y"]), int(f["w"]), int(f["h"])
        self.menu = self.h - PLACE["client"][3]

    def move(self, x, y):
        probe("move", self.id, x, y)
        self.x, self.y = x, y

    def at(self, name):  # the middle of a control, on the root window
        x, y, w, h = PLACE[name]
        return self.x + x + w // 2, self.y + self.menu + y + h // 2

    def rect(self, name):  # xprobe's arguments for a control's rectangle
        x, y, w, h = PLACE[name]
        return [self.id, x, y + self.menu, w, h]

    def rest(self, name):  # the four rectangles around a control
        x, y, w, h = PLACE[name]
        y += self.menu
        return [self.id, 0, 0, self.w, y, self.id, 0, y + h, self.w, self.h - y - h,
                self.id, 0, y, x, h, self.id, x + w, y, self.w - x - w, h]

    def respond(self, button, display):
        return fields(probe("respond", *self.at(button), *self.rect(display)))["ms"]


def forget_timings():
    """A program ended by SIGTERM keeps its running timings for the next start: each
    measured start begins with a fresh state folder, as a first start does."""
    shutil.rmtree(Path(os.environ["XDG_STATE_HOME"]) / "horolux", ignore_errors=True)


def measure_startup():
    """Start-up alone, from exec to the window mapped: Horolux and the bare window
    started in turn, STARTS times each, the order swapped every round."""
    for i in range(STARTS):
        for name in ("horolux", "bare") if i % 2 == 0 else ("bare", "horolux"):
            w = start(HOROLUX if name == "horolux" else BARE, log_name="startup-" + name)
            note("startup.%s_ms" % name, w.startup_ms)
            stop_program(w.pid)


def start(program, *prefix, log_name="program"):
    forget_timings()
    window = Window(fields(probe("start", WORK / (log_name + ".log"), *prefix, program)))
    programs.append(window.pid)
    return window


def start_xvfb(size):
    read, write = os.pipe()
    servers.append(subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24", "-nolisten",
                                     "tcp", "-noreset"], pass_fds=[write], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL))
    os.close(write)
    with os.fdopen(read) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    return servers[-1].pid


def measure_pair(order):
    """Horolux and the bare window, idle side by side for 10 s, then each running for
    10 s while the other is idle or gone: running side by side, their timers would couple
    through the X server and bias the comparison either way."""
    place = {"horolux": (HOROLUX, 380, 0), "bare": (BARE, 380, 600)}
    win = {}
    for name in order:
        program, x, y = place[name]
        win[name] = w = start(program, log_name=name)
        note(name + ".startup_ms", w.startup_ms)
        w.move(x, y)
        time.sleep(2)
        note(name + ".rss_mb", rss_kb(w.pid) / 1024)
    idle = {name: Usage(w.pid) for name, w in win.items()}
    time.sleep(10)
    for name, usage in idle.items():
        usage.stop()
        note(name + ".idle_cpu_pct", usage.cpu_pct)
        note(name + ".idle_wakeups", usage.wakeups)
    for name in order:
        w = win[name]
        note(name + ".start_click_ms", w.respond("cmdSWButton", "txtSWTime"))
        time.sleep(1)
        usage, xvfb = Usage(w.pid), Usage(XVFB)
        rates = [float(r) for r in probe("count", 10, *w.rect("txtSWTime"), *w.rest("txtSWTime")).split()]
        usage.stop(), xvfb.stop()
        note(name + ".run_cpu_pct", usage.cpu_pct)
        note(name + ".xvfb_cpu_pct", xvfb.cpu_pct)
        note(name + ".run_wakeups_per_s", usage.wakeups_per_s)
        note(name + ".updates_per_s", rates[0])
        note(name + ".elsewhere_per_s", sum(rates[1:]))
        note(name + ".ms_per_update", usage.ms_per_s / rates[0])
        if name == "bare":
            stop_program(w.pid)  # it cannot be stopped
            continue
        for _ in range(3):
            note("horolux.capture_click_ms", w.respond("cmdSWPause", "txtSWTime1"))
            time.sleep(0.3)
        probe("click", *w.at("cmdSWButton"))  # Stop
    # Further timer windows: what each adds to the memory.
    w = win["horolux"]
    before = rss_kb(w.pid)
    for _ in range(4):
        probe("click-map", *w.at("cmdAnotherTimer"))
    time.sleep(2)
    note("horolux.window_mb", (rss_kb(w.pid) - before) / 4 / 1024)
    stop_program(w.pid)


def measure_twenty():
    """Twenty timer windows of one program on a larger server, all running."""
    first = start(HOROLUX, log_name="twenty")
    time.sleep(1)
    before = rss_kb(first.pid)
    windows = [first]
    for col in range(5):
        for row in range(4):
            if len(windows) < 20:
                w = Window(fields(probe("click-map", *first.at("cmdAnotherTimer"))))
                w.move(col * 524, row * 300 + 300)
                windows.append(w)
    for w in windows:
        probe("click", *w.at("cmdSWButton"))
    time.sleep(2)
    note("twenty.window_mb", (rss_kb(first.pid) - before) / 19 / 1024)
    usage = Usage(first.pid)
    rates = [float(r) for r in probe("count", 10, *sum((w.rect("txtSWTime") for w in windows), [])).split()]
    note("twenty.cpu_pct", usage.stop().cpu_pct)
    note("twenty.updates_per_s_min", min(rates))
    clicks = [w.respond("cmdSWPause", "txtSWTime1") for w in windows]
    note("twenty.click_ms_median", statistics.median(clicks))
    note("twenty.click_ms_max", max(clicks))
    stop_program(first.pid)


def measure_minimized(name, program):
    """One program under openbox, its stopwatch running: visible for 10 s, minimized for
    10 s, restored three times (each timed to the first drawing of the display), updating
    for 5 s, then on another workspace for 5 s. It runs without the right to set the clock."""
    w = start(program, "setpriv", "--bounding-set=-sys_time", "--inh-caps=-sys_time", log_name=name)
    c = Window(fields(probe("client", w.pid)))
    time.sleep(1)
    probe("click", *c.at("cmdSWButton"))
    time.sleep(1)

    def measure_while(what, seconds, display=True):
        usage = Usage(w.pid)
        if display:
            note("%s.%s.updates_per_s" % (name, what), probe("count", seconds, *c.rect("txtSWTime")))
        else:
            time.sleep(seconds)
        usage.stop()
        note("%s.%s.cpu_pct" % (name, what), usage.cpu_pct)
        note("%s.%s.wakeups_per_s" % (name, what), usage.wakeups_per_s)

    measure_while("visible", 10)
    probe("iconify", c.id)
    time.sleep(1)
    measure_while("minimized", 10, display=False)
    for i in range(3):
        r = fields(probe("restore", *c.rect("txtSWTime")))
        note(name + ".restore_ms", r["ms"])
        note(name + ".restore_after_map_ms", r["ms"] - r["map_ms"])
        time.sleep(1)
        if i < 2:
            probe("iconify", c.id)
            time.sleep(1)
    measure_while("restored", 5)
    probe("desktop", 1)
    time.sleep(1)
    measure_while("elsewhere", 5, display=False)
    probe("desktop", 0)
    stop_program(w.pid)


def measure_tray(name):
    """A minimized window whose countdown runs, for 10 s: Horolux with a tray host (a
    panel's stand-in) on the session bus, so that its tray icon and taskbar entry follow
    the countdown; the same with no host ("plain", as before the tray); the bare window."""
    watcher = None
    if name == "tray":
        log_path = WORK / "watcher.log"
        watcher = subprocess.Popen(["/usr/bin/python3", Path(__file__).parent.parent / "tests/support/sni_watcher.py",
                                    log_path])
        for _ in range(100):
            if log_path.exists() and log_path.read_text():
                break
            time.sleep(0.05)
    forget_timings()
    program = [BARE] if name == "bare" else ["setpriv", "--bounding-set=-sys_time", "--inh-caps=-sys_time", HOROLUX,
                                             "--countdown", "60", "--id", "Bench"]
    w = Window(fields(probe("start", WORK / ("tray-%s.log" % name), *program)))
    programs.append(w.pid)
    time.sleep(2)
    probe("iconify", Window(fields(probe("client", w.pid))).id)
    time.sleep(1)
    # The host's reads of the tray item: proof that the icon is up and follows the countdown.
    reads = lambda: log_path.read_text().count('"item"') if watcher else 0
    usage, before = Usage(w.pid), reads()
    time.sleep(10)
    usage.stop()
    note("tray.%s.cpu_pct" % name, usage.cpu_pct)
    note("tray.%s.wakeups_per_s" % name, usage.wakeups_per_s)
    if watcher is not None:
        note("tray.host_reads_per_s", (reads() - before) / 10)
        watcher.terminate()
        watcher.wait()
        log_path.unlink()
    stop_program(w.pid)


def micro():
    """The micro-benchmarks' medians in microseconds, and their mallocs per round."""
    out = BUILD / "bench/handlers.json"
    subprocess.run([BUILD / "bench/bench_handlers", "--benchmark_repetitions=5",
                    "--benchmark_report_aggregates_only=true", "--benchmark_out=%s" % out,
                    "--benchmark_out_format=json"], check=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    record = BUILD / "bench/record.json"
    subprocess.run([BUILD / "bench/bench_record", "--benchmark_repetitions=5",
                    "--benchmark_report_aggregates_only=true", "--benchmark_out=%s" % record,
                    "--benchmark_out_format=json"], check=True, stdout=subprocess.DEVNULL)
    for b in json.loads(out.read_text())["benchmarks"] + json.loads(record.read_text())["benchmarks"]:
        if b.get("aggregate_name") == "median":
            note("micro." + b["run_name"], b["cpu_time"] * {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]])
            if "allocs" in b:
                note("micro.%s.allocs" % b["run_name"], b["allocs"])


def measure_restore():
    """A start that brings back twenty running stopwatches left by a process that
    ended: from exec until all twenty windows are mapped, against a start with
    nothing to bring back."""
    folder = Path(os.environ["XDG_STATE_HOME"]) / "horolux"
    folder.mkdir(mode=0o700, exist_ok=True)
    utc_ms = int(time.time() * 1000) - 60000
    windows = [{"id": "Timer %d" % i, "x": (i % 5) * 524, "y": (i // 5) * 300,
                "stopwatch": {"state": "running", "since": {"boot": 1.0, "bootId": "another-boot", "utcMs": utc_ms},
                              "capture": "0.00"}} for i in range(20)]
    record = folder / "bench.json"
    record.write_text(json.dumps({"format": 1, "windows": windows}))
    os.chmod(record, 0o600)
    f = fields(probe("start-all", 20, WORK / "restore.log", HOROLUX))
    programs.append(int(f["pid"]))
    note("restore.twenty_ms", f["ms"])
    stop_program(int(f["pid"]))
    w = start(HOROLUX, log_name="restore-none")
    note("restore.none_ms", w.startup_ms)
    stop_program(w.pid)


def key_values(command, prefix):
    out = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
    for line in out.splitlines():
        if "=" in line and not line.startswith("#"):
            key, value = line.split("=", 1)
            note(prefix + key, value)


def attempt(measure, *args):
    """One run of a measurement; a program that does not start or answer loses that run only."""
    try:
        measure(*args)
    except (RuntimeError, KeyError, ValueError) as e:
        log("run lost: %s" % e)
        for pid in programs:
            stop_program(pid)


def load():
    return " ".join(Path("/proc/loadavg").read_text().split()[:3])


def run():
    global XVFB
    for program in (XPROBE, HOROLUX, BARE, BUILD / "bench/bench_ticks", BUILD / "bench/bench_accuracy"):
        if not os.access(program, os.X_OK):
            sys.exit("measure: %s is missing; run make build" % program)
    PLACE.update((n, tuple(map(int, r))) for n, *r in (line.split() for line in probe("layout").splitlines()))
    for folder in ("runtime", "state", "config", "cache", "data"):
        (WORK / folder).mkdir(mode=0o700)
    os.environ.update(XDG_RUNTIME_DIR=str(WORK / "runtime"), XDG_STATE_HOME=str(WORK / "state"),
                      XDG_CONFIG_HOME=str(WORK / "config"), XDG_CACHE_HOME=str(WORK / "cache"),
                      XDG_DATA_HOME=str(WORK / "data"), QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
                      DBUS_SYSTEM_BUS_ADDRESS="unix:path=%s/no-system-bus" % WORK)
    # A private session bus, as a desktop session has one.
    servers.append(subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                    stdout=subprocess.PIPE, text=True))
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = servers[-1].stdout.readline().strip()
    print("Measurements: %d runs; load average before: %s" % (RUNS, load()), file=sys.stderr)
    if "micro" in PARTS:
        micro()
    if "pair" in PARTS or "accuracy" in PARTS or "startup" in PARTS:
        XVFB = start_xvfb("1280x1024")
    if "startup" in PARTS:
        for program in (HOROLUX, BARE):  # a cold page cache is paid by a start that is not counted
            stop_program(start(program, log_name="warm-up").pid)
        log("start-up: %d starts of each, interleaved (load %s)" % (STARTS, load()))
        attempt(measure_startup)
    if "pair" in PARTS:
        for program in (HOROLUX, BARE):  # a cold page cache is paid by a start that is not counted
            stop_program(start(program, log_name="warm-up").pid)
        for i in range(RUNS):
            log("run %d of %d: one window each (load %s)" % (i + 1, RUNS, load()))
            attempt(measure_pair, ["horolux", "bare"] if i % 2 == 0 else ["bare", "horolux"])
    if "accuracy" in PARTS:
        log("accuracy: a stopwatch run and a validated countdown (load %s)" % load())
        key_values([BUILD / "bench/bench_accuracy", os.environ.get("ACCURACY_SECONDS", "30")], "accuracy.")
    if "twenty" in PARTS:
        XVFB = start_xvfb("2620x1500")
        for i in range(RUNS):
            log("run %d of %d: twenty windows (load %s)" % (i + 1, RUNS, load()))
            attempt(measure_twenty)
            key_values([BUILD / "bench/bench_ticks", "20", "10"], "ticks.")
    if "restore" in PARTS:
        start_xvfb("2620x1500")
        for i in range(RUNS):
            log("run %d of %d: a start that brings back twenty timings (load %s)" % (i + 1, RUNS, load()))
            attempt(measure_restore)
    if "minimized" in PARTS or "tray" in PARTS:
        start_xvfb("1280x1024")
        # openbox without the animation of minimizing and restoring, which only delays the window.
        (WORK / "openbox.xml").write_text(Path("/etc/xdg/openbox/rc.xml").read_text().replace(
            "<animateIconify>yes</animateIconify>", "<animateIconify>no</animateIconify>"))
        servers.append(subprocess.Popen(["openbox", "--config-file", WORK / "openbox.xml", "--sm-disable"],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        probe("wm")
        for i in range(RUNS):
            builds = [("horolux", HOROLUX)] + ([("before", BEFORE)] if BEFORE else [])
            if "minimized" in PARTS:
                log("run %d of %d: minimized under openbox (load %s)" % (i + 1, RUNS, load()))
                for name, program in builds if i % 2 == 0 else builds[::-1]:
                    attempt(measure_minimized, name, program)
            if "tray" in PARTS:
                log("run %d of %d: minimized countdown with a tray host and without (load %s)" % (i + 1, RUNS, load()))
                for name in ("tray", "plain", "bare") if i % 2 == 0 else ("bare", "plain", "tray"):
                    attempt(measure_tray, name)
    print("Load average after: %s" % load(), file=sys.stderr)


def value(metric):
    values = results.get(metric)
    return statistics.median(values) if values else None


def table():
    """Prints the medians against the targets; a target is a condition on h (Horolux),
    b (the second column) and r (their ratio, or h against the given reference)."""
    met = missed = 0
    line = "| %-46s | %9s | %9s | %6s | %-28s | %-6s |"
    print("\nHorolux performance: medians of %d runs (bare = plain Qt window, same size, twenty controls, same "
          "writes%s)" % (RUNS, "; in the openbox rows the second column is " + BEFORE if BEFORE else ""))
    print(line % ("Measure", "Horolux", "Bare Qt", "Ratio", "Target", "Result"))
    print("|%s|%s|%s|%s|%s|%s|" % ("-" * 48, "-" * 11, "-" * 11, "-" * 8, "-" * 30, "-" * 8))

    def row(label, h, b=None, target="(for information)", check="", digits=3, ratio=False, reference=None):
        nonlocal met, missed
        reference = b if reference is None else reference
        r = h / reference if ratio and h is not None and reference else None
        verdict = ""
        if check:
            ok = h is not None and (r is not None or not ratio) and eval(check, {"h": h, "b": b, "r": r})
            verdict, met, missed = ("met" if ok else "MISSED"), met + ok, missed + (not ok)
        show = lambda v, d=digits: "" if v is None else "%.*f" % (d, v)
        print(line % (label, show(h), show(b), show(r, 2), target, verdict))

    H, B, A = (lambda m: value("horolux." + m)), (lambda m: value("bare." + m)), (lambda m: value("accuracy." + m))
    P = (lambda m: value("before." + m)) if BEFORE else (lambda m: None)
    add = lambda a, b: None if a is None or b is None else a + b
    if "startup" in PARTS:
        fastest = lambda m: min(results[m]) if results.get(m) else None
        row("Start-up, %d interleaved: median (ms)" % STARTS, value("startup.horolux_ms"),
            value("startup.bare_ms"), "<= 1.15 x bare", "r <= 1.15", 2, True)
        row("Start-up, %d interleaved: fastest (ms)" % STARTS, fastest("startup.horolux_ms"),
            fastest("startup.bare_ms"), "<= 1.15 x bare", "r <= 1.15", 2, True)
    if "pair" in PARTS:
        row("Start-up, exec to window mapped (ms)", H("startup_ms"), B("startup_ms"), "<= 80 and <= 1.4 x bare",
            "h <= 80 and r <= 1.4", 2, True)
        row("Resident memory 2 s after start (MB)", H("rss_mb"), B("rss_mb"), "<= 35", "h <= 35", 1)
        row("Memory per further window, 4 windows (MB)", H("window_mb"), None, "<= 1.5", "h <= 1.5", 2)
    if "twenty" in PARTS:
        row("Memory per further window, 19 running (MB)", value("twenty.window_mb"), None, "<= 1.5", "h <= 1.5", 2)
    if "pair" in PARTS:
        row("Idle: CPU over 10 s (% of a core)", H("idle_cpu_pct"), B("idle_cpu_pct"), "< 0.01 (none measurable)",
            "h < 0.01")
        row("Idle: wake-ups over 10 s", H("idle_wakeups"), B("idle_wakeups"), "0", "h == 0", 0)
        row("Stopwatch running: CPU (% of a core)", H("run_cpu_pct"), B("run_cpu_pct"), "<= 8 and <= 1.0 x bare",
            "h <= 8 and r <= 1.0", 2, True)
        row("Stopwatch running: CPU per update (ms)", H("ms_per_update"), B("ms_per_update"), "<= 0.8", "h <= 0.8",
            3, True)
        row("Stopwatch running: display updates per s", H("updates_per_s"), B("updates_per_s"), "(about 100)", "", 1)
        row("Stopwatch running: updates elsewhere per s", H("elsewhere_per_s"), B("elsewhere_per_s"),
            "0 (only the display)", "h == 0", 1)
        row("Stopwatch running: wake-ups per s", H("run_wakeups_per_s"), B("run_wakeups_per_s"), digits=0)
        row("Stopwatch running: Xvfb CPU (% of a core)", H("xvfb_cpu_pct"), B("xvfb_cpu_pct"), digits=2, ratio=True)
        row("Stopwatch running: program + Xvfb (%)", add(H("run_cpu_pct"), H("xvfb_cpu_pct")),
            add(B("run_cpu_pct"), B("xvfb_cpu_pct")), "<= 8 (painting included)", "h <= 8", 2)
        row("Click to display answered: Start (ms)", H("start_click_ms"), B("start_click_ms"), "<= 20", "h <= 20", 2)
        row("Click to display answered: Capture (ms)", H("capture_click_ms"), None, "<= 20", "h <= 20", 2)
    if "micro" in PARTS:
        write, settext = value("micro.tickWithWrite"), value("micro.setTextAlone")
        row("Tick, no write (us, fake clock)", value("micro.tickWithoutWrite"), None, "<= 1", "h <= 1", 4)
        row("Tick, no write: mallocs per tick", value("micro.tickWithoutWrite.allocs"), None, "0", "h == 0", 2)
        row("Tick with write minus setText alone (us)", add(write, settext and -settext), None, "<= 1", "h <= 1")
        row("Countdown tick with write (us)", value("micro.countdownTick"), digits=4)
        row("Stopwatch model's tick alone (us, fake clock)", value("micro.stopwatchModelTick"), digits=4)
        row("Stopwatch model's tick: mallocs per tick", value("micro.stopwatchModelTick.allocs"), None, "0",
            "h == 0", 2)
    if "micro" in PARTS:
        row("Recording a changed timing, window's thread (us)", value("micro.recordChanged"), None, "<= 100",
            "h <= 100", 3)
        row("Recording an unchanged timing (us)", value("micro.recordUnchanged"), digits=3)
        none, many = value("micro.captureWithLaps/0/iterations:1000"), value("micro.captureWithLaps/10000/iterations:1000")
        row("Capture, no laps kept (us)", none, digits=3)
        row("Capture, 10,000 laps kept (us; ratio to none)", many, None, "<= 1.5 x no laps", "r <= 1.5", 3, True, none)
        none, many = value("micro.tickWithLaps/0"), value("micro.tickWithLaps/10000")
        row("Tick with write beside the laps, no laps (us)", none, digits=3)
        row("Tick with write beside 10,000 laps (us; ratio)", many, None, "<= 1.5 x no laps", "r <= 1.5", 3, True, none)
    if "restore" in PARTS:
        row("Start-up, nothing to bring back (ms)", value("restore.none_ms"), None,
            "(for information; pair: target)", "", 2)
        row("Start-up bringing back 20 windows, all mapped (ms)", value("restore.twenty_ms"),
            value("restore.none_ms"), "<= 2 x nothing to bring back", "r <= 2", 2, True)
    if "twenty" in PARTS:
        row("Twenty windows: CPU (% of a core)", value("twenty.cpu_pct"), digits=2)
        if "pair" in PARTS and H("run_cpu_pct"):  # against one window of the pair
            twenty = value("twenty.cpu_pct")
            row("Twenty windows: CPU / (20 x one window)", twenty and twenty / (20 * H("run_cpu_pct")), None, "<= 1.0 (linear or better)", "h <= 1.0", 2)
        row("Twenty windows: ticks per s, slowest window", value("ticks.ticks_per_s_min"), None, ">= 190",
            "h >= 190", 1)
        row("Twenty windows: updates per s, slowest window", value("twenty.updates_per_s_min"), None, "(about 100)",
            "", 1)
        row("Twenty windows: click answered, median (ms)", value("twenty.click_ms_median"), None, "<= 20", "h <= 20", 2)
        row("Twenty windows: click answered, slowest (ms)", value("twenty.click_ms_max"), None, "<= 20", "h <= 20", 2)
    if "accuracy" in PARTS:
        row("Accuracy: stopwatch text vs true (s, worst)", A("sw_error_s"), None, "<= 0.015", "h <= 0.015", 4)
        row("Accuracy: validated countdown's stopwatch (s)", A("cd_sw_error_s"), None, "<= 0.015", "h <= 0.015", 4)
        row("Accuracy: time left shown vs true (s, worst)", A("cd_left_error_s"), None, "<= 0.52", "h <= 0.52", 4)
        row("Accuracy: longest between stopwatch writes (ms)", A("sw_longest_gap_ms"), digits=4)
        row("Accuracy: DONE after the end instant (s)", A("cd_done_late_s"), None, "<= 1.02", "h <= 1.02", 4)
    if "minimized" in PARTS:
        # Visible, the stopwatch costs what it did: against the BEFORE build under openbox
        # when one was given, else against one stopwatch without a window manager (the pair).
        against = "before" if BEFORE else "no WM" if "pair" in PARTS else None
        row("Openbox: stopwatch visible, CPU (% of a core)", H("visible.cpu_pct"), P("visible.cpu_pct"),
            "<= 1.15 x %s (same run)" % against if against else "(no run to compare)", "r <= 1.15" if against else "",
            3, True, P("visible.cpu_pct") if BEFORE else H("run_cpu_pct"))
        for label, metric, target, check, digits in [
                ("stopwatch visible, wake-ups per s", "visible.wakeups_per_s", "(for information)", "", 1),
                ("stopwatch visible, updates per s", "visible.updates_per_s", "(about 100)", "", 1),
                ("minimized, CPU (% of a core)", "minimized.cpu_pct", "<= 0.1", "h <= 0.1", 3),
                ("minimized, wake-ups per s", "minimized.wakeups_per_s", "<= 5", "h <= 5", 1),
                ("restore to display drawn (ms)", "restore_ms", "<= 16.7 (a frame at 60 Hz)", "h <= 16.7", 2),
                ("restore to display drawn, worst (ms)", None, "(for information)", "", 2),
                ("restore, mapped to display drawn (ms)", "restore_after_map_ms", "(for information)", "", 2),
                ("restored, display updates per s", "restored.updates_per_s", ">= 90 (ticking again)", "h >= 90", 1),
                ("other workspace, CPU (% of a core)", "elsewhere.cpu_pct", "(for information)", "", 3),
                ("other workspace, wake-ups per s", "elsewhere.wakeups_per_s", "(for information)", "", 1)]:
            worst = max(results.get("horolux.restore_ms", [float("nan")]))
            row("Openbox: " + label, H(metric) if metric else worst, P(metric) if metric else None, target, check,
                digits)
    if "tray" in PARTS:
        # The second column: the same window and countdown with no tray host on the bus.
        T = lambda m: value("tray." + m)
        for label, metric, digits in [("CPU (% of a core)", "cpu_pct", 3), ("wake-ups per s", "wakeups_per_s", 1)]:
            row("Tray: minimized countdown, " + label, T("tray." + metric), T("plain." + metric), digits=digits,
                ratio=True)
            row("Tray: bare window minimized, " + label, T("bare." + metric), digits=digits)
        row("Tray: the host's reads of the tray item per s", T("host_reads_per_s"), digits=1)
    saved = BUILD / "bench/measure-results.txt"
    saved.write_text("".join("%s %s\n" % (m, v) for m, values in results.items() for v in values))
    cpu = next(l.split(": ", 1)[1] for l in Path("/proc/cpuinfo").read_text().splitlines() if l.startswith("model name"))
    os_name = next(l.split("=", 1)[1].strip('"') for l in Path("/etc/os-release").read_text().splitlines()
                   if l.startswith("PRETTY_NAME"))
    print("\nEvery run's figures: %s\n%d targets met, %d missed. Machine: %d cores, %s, %s." %
          (saved, met, missed, os.cpu_count(), cpu, os_name))


try:
    run()
finally:
    for pid in programs:
        stop_program(pid)
    for server in reversed(servers):
        server.terminate()
        server.wait()
    shutil.rmtree(WORK, ignore_errors=True)
table()
