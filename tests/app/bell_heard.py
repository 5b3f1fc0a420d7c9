#!/usr/bin/python3
'''The bell at the end of a countdown, as a sound server hears it.

    bell_heard.py PROGRAM

Starts a private PulseAudio server whose default output is a silent null sink,
records that sink's monitor with parec, and runs PROGRAM
(tests/countdown/bell_heard.cpp) on a private Xvfb: a real timer window whose
0.02-minute countdown finishes and plays the bell. PROGRAM prints, on the
boot-time clock, the instant the countdown started and the instant its
display showed "DONE". The recording must be silent from the start of the
countdown until "DONE", and hold the bell within 1 s after "DONE".

How the recording is put on the same clock: parec writes the samples as the
sink renders them; every block read from it is stamped with the boot-time
clock at its arrival. A block that arrived before "DONE" was rendered before
the bell was asked for, so it must be silent. The bell's onset is placed by
its sample's position in the stream, counted from the earliest-arriving block
(a late read does not spoil it; the sink renders up to LATENCY_MS ahead, so it
may come out that much before "DONE"), and also given as the arrival of its
block, which is later by the reading's delay.

Prints the figures measured. Exits with 77 (skipped) when PulseAudio, parec
or Xvfb is missing, or when PulseAudio cannot start here.
'''

import array
import ctypes
import math
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77
RATE = 44100             # frames per second, mono s16le: two bytes a frame
BYTES_PER_SECOND = RATE * 2
LATENCY_MS = 20          # parec's fragments, and so the sink's render-ahead
WINDOW = RATE // 100     # the onset is the first 10 ms whose RMS is loud
LOUD_RMS_DBFS = -40.0    # the theme's bell starts near -10 dBFS
SILENT_PEAK = 8          # of 32767: a null sink with nothing playing gives 0
HEARD_WITHIN = 1.0       # seconds after "DONE"
MIN_SILENCE = 1.0        # seconds of countdown checked for silence, at least
START_TIMEOUT = 15       # seconds for each server to come up
PROGRAM_TIMEOUT = 60


def skip(reason):
    print(f'SKIP: {reason}', flush=True)
    sys.exit(SKIP)


def fail(reason):
    print(f'FAIL: {reason}', flush=True)
    sys.exit(1)


def boot_seconds():
    return time.clock_gettime(time.CLOCK_BOOTTIME)


def dbfs(level):
    return 20 * math.log10(level / 32768) if level > 0 else float('-inf')


def die_with_parent():
    '''Runs in a server's child process before exec: should this script be
    killed outright (a test timeout), the kernel ends the server too.'''
    pr_set_pdeathsig = 1
    ctypes.CDLL(None, use_errno=True).prctl(pr_set_pdeathsig, signal.SIGTERM)


def stop(process):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def tail(path, lines=15):
    try:
        with open(path, encoding='utf-8', errors='replace') as log:
            return ''.join(log.readlines()[-lines:])
    except OSError:
        return ''


class Recorder(threading.Thread):
    '''Reads parec's output; stamps each block with its arrival.'''

    def __init__(self, stream):
        super().__init__(daemon=True)
        self.stream = stream
        self.lock = threading.Lock()
        self.data = bytearray()
        self.blocks = []  # (arrival, bytes received up to and with this block)
        self.first = threading.Event()

    def run(self):
        fd = self.stream.fileno()
        while True:
            block = os.read(fd, 65536)
            arrival = boot_seconds()
            if not block:
                return
            with self.lock:
                self.data += block
                self.blocks.append((arrival, len(self.data)))
            self.first.set()

    def snapshot(self):
        with self.lock:
            return bytes(self.data), list(self.blocks)


class Servers:
    '''The private PulseAudio, Xvfb and parec, and the folder they live in.'''

    def __init__(self, folder):
        self.folder = folder
        self.runtime = os.path.join(folder, 'runtime')
        os.mkdir(self.runtime, 0o700)
        self.socket = os.path.join(self.runtime, 'native')
        self.pulse_log = os.path.join(folder, 'pulseaudio.log')
        # No session bus and no X server for the servers: neither may start
        # one of its own (D-Bus autolaunch through X11).
        nowhere = 'unix:path=' + os.path.join(folder, 'no-session-bus')
        self.env = {key: value for key, value in os.environ.items()
                    if key not in ('DISPLAY', 'WAYLAND_DISPLAY', 'PULSE_SERVER', 'PULSE_SINK',
                                   'PULSE_SOURCE', 'PULSE_COOKIE', 'PULSE_CLIENTCONFIG')}
        self.env.update(HOME=folder, XDG_RUNTIME_DIR=self.runtime, PULSE_RUNTIME_PATH=self.runtime,
                        XDG_CONFIG_HOME=os.path.join(folder, 'config'),
                        DBUS_SESSION_BUS_ADDRESS=nowhere)
        self.pulse = self.xvfb = self.parec = None
        self.display = None

    def start_pulseaudio(self):
        log = self.pulse_log
        with open(log, 'wb') as out:
            self.pulse = subprocess.Popen(
                ['pulseaudio', '-n', '--system=false', '--daemonize=no', '--exit-idle-time=-1',
                 '--use-pid-file=no', '--disable-shm=yes', '--log-target=stderr',
                 '--log-level=info',
                 '-L', f'module-native-protocol-unix auth-anonymous=1 socket={self.socket}',
                 '-L', 'module-null-sink sink_name=bell_heard norewinds=1'],
                env=self.env, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                preexec_fn=die_with_parent)
        deadline = time.monotonic() + START_TIMEOUT
        while not os.path.exists(self.socket):
            if self.pulse.poll() is not None or time.monotonic() > deadline:
                skip('PulseAudio did not start here:\n' + tail(log))
            time.sleep(0.05)
        self.env['PULSE_SERVER'] = 'unix:' + self.socket
        try:
            subprocess.run(['pactl', 'set-default-sink', 'bell_heard'], env=self.env,
                           check=True, timeout=START_TIMEOUT, stdin=subprocess.DEVNULL)
            info = subprocess.run(['pactl', 'info'], env=self.env, check=True,
                                  timeout=START_TIMEOUT, capture_output=True, text=True).stdout
        except (subprocess.SubprocessError, OSError) as error:
            skip(f'PulseAudio does not answer here: {error}\n' + tail(log))
        if 'Default Sink: bell_heard' not in info:
            fail('the null sink is not the default output:\n' + info)

    def start_xvfb(self):
        log = os.path.join(self.folder, 'xvfb.log')
        reader, writer = os.pipe()
        with open(log, 'wb') as out:
            self.xvfb = subprocess.Popen(
                ['Xvfb', '-displayfd', str(writer), '-screen', '0', '1024x768x24',
                 '-nolisten', 'tcp', '-noreset'],
                env=self.env, stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.STDOUT,
                pass_fds=(writer,), preexec_fn=die_with_parent)
        os.close(writer)
        number = b''
        deadline = time.monotonic() + START_TIMEOUT
        while not number.endswith(b'\n') and time.monotonic() < deadline:
            ready, _, _ = select.select([reader], [], [], 0.5)
            if ready:
                more = os.read(reader, 64)
                if not more:
                    break
                number += more
        os.close(reader)
        if not number.strip().isdigit():
            fail('Xvfb did not start:\n' + tail(log))
        self.display = ':' + number.strip().decode()

    def start_recording(self):
        self.parec = subprocess.Popen(
            ['parec', '--device=bell_heard.monitor', '--raw', '--format=s16le',
             f'--rate={RATE}', '--channels=1', f'--latency-msec={LATENCY_MS}'],
            env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
            preexec_fn=die_with_parent)
        recorder = Recorder(self.parec.stdout)
        recorder.start()
        if not recorder.first.wait(START_TIMEOUT):
            fail('parec recorded nothing')
        return recorder

    def stop(self):
        for process in (self.parec, self.xvfb, self.pulse):
            stop(process)


def run_program(program, servers):
    env = dict(servers.env, DISPLAY=servers.display, QT_QPA_PLATFORM='xcb')
    env.pop('QT_QPA_PLATFORMTHEME', None)
    try:
        result = subprocess.run([program], env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                timeout=PROGRAM_TIMEOUT, check=False)
    except subprocess.TimeoutExpired as expired:
        sys.stdout.write((expired.output or b'').decode(errors='replace'))
        fail(f'the window did not finish within {PROGRAM_TIMEOUT} s')
    output = result.stdout.decode(errors='replace')
    sys.stdout.write(output)
    if result.returncode != 0:
        fail(f'the window program ended with status {result.returncode}')
    instants = {}
    for line in output.splitlines():
        words = line.split()
        if len(words) == 2 and words[0] in ('BELL-START', 'BELL-DONE'):
            instants[words[0]] = float(words[1])
    if len(instants) != 2:
        fail('the window program did not report its countdown')
    return instants['BELL-START'], instants['BELL-DONE']


def measure(data, blocks, start, done):
    samples = array.array('h')
    samples.frombytes(data[:len(data) // 2 * 2])
    if sys.byteorder == 'big':
        samples.byteswap()
    count = len(samples)

    # The last sample known to have been rendered before "DONE": the end of
    # the last block that arrived before it; and the first one rendered after
    # the countdown started.
    before_done = max((end // 2 for arrival, end in blocks if arrival < done), default=0)
    after_start = min((end // 2 for arrival, end in blocks if arrival > start), default=count)
    silence = samples[after_start:before_done]
    silence_seconds = len(silence) / RATE
    silence_peak = max((abs(s) for s in silence), default=0)

    # Where the stream began on the boot-time clock: the block that arrived
    # earliest for its place in the stream bounds it; it runs at RATE from there.
    origin = min(arrival - end / BYTES_PER_SECOND for arrival, end in blocks)
    loud = 32768 * 10 ** (LOUD_RMS_DBFS / 20)
    onset = None
    for first in range(before_done, count - WINDOW + 1, WINDOW):
        window = samples[first:first + WINDOW]
        if math.sqrt(sum(s * s for s in window) / WINDOW) >= loud:
            onset = first
            break
    heard = None
    if onset is not None:
        arrival = next(arrival for arrival, end in blocks if end // 2 > onset)
        bell = samples[onset:onset + RATE]
        heard = {
            'arrival': arrival - done,
            'stream': origin + onset / RATE - done,
            'peak': max(abs(s) for s in bell),
            'rms': math.sqrt(sum(s * s for s in bell) / len(bell)),
        }
    return silence_seconds, silence_peak, heard, (count - before_done) / RATE


def main():
    if len(sys.argv) != 2:
        sys.exit('usage: bell_heard.py PROGRAM')
    program = sys.argv[1]
    for tool, package in (('pulseaudio', 'pulseaudio'), ('parec', 'pulseaudio-utils'),
                          ('pactl', 'pulseaudio-utils'), ('Xvfb', 'xvfb')):
        if shutil.which(tool) is None:
            skip(f'{tool} is not installed (Debian package {package})')
    # A termination (a test timeout) ends the servers through the finally below.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit('bell_heard: terminated'))

    with tempfile.TemporaryDirectory(prefix='horolux-bell-') as folder:
        servers = Servers(folder)
        try:
            try:
                servers.start_pulseaudio()
                servers.start_xvfb()
                recorder = servers.start_recording()
                start, done = run_program(program, servers)
            finally:
                servers.stop()
            judge(*recorder.snapshot(), start, done)
        except SystemExit as leaving:
            if leaving.code not in (None, 0, SKIP):
                print('the end of the PulseAudio log:\n' + tail(servers.pulse_log), flush=True)
            raise


def judge(data, blocks, start, done):
    silence_seconds, silence_peak, heard, after = measure(data, blocks, start, done)
    print(f'recorded {len(data) / BYTES_PER_SECOND:.2f} s; "DONE" {done - start:.3f} s '
          f'after the click; {after:.2f} s recorded from "DONE" on')
    print(f'before "DONE": {silence_seconds:.2f} s checked, peak {silence_peak} '
          f'({dbfs(silence_peak):.1f} dBFS)')
    if heard:
        print(f'bell: onset {heard["stream"]:+.3f} s from "DONE" by its place in the stream '
              f'(its block arrived {heard["arrival"]:+.3f} s from "DONE"), '
              f'peak {heard["peak"]} ({dbfs(heard["peak"]):.1f} dBFS), '
              f'RMS over 1 s {dbfs(heard["rms"]):.1f} dBFS')
    if silence_seconds < MIN_SILENCE:
        fail(f'only {silence_seconds:.2f} s of the countdown were recorded before "DONE"')
    if silence_peak > SILENT_PEAK:
        fail('sound before the countdown finished')
    if heard is None:
        fail(f'no bell after "DONE" (no 10 ms above {LOUD_RMS_DBFS} dBFS RMS)')
    if heard['stream'] > HEARD_WITHIN:
        fail(f'the bell came {heard["stream"]:.3f} s after "DONE", '
             f'more than {HEARD_WITHIN} s')
    print('PASS: silence until "DONE", the bell right after it')


if __name__ == '__main__':
    main()
