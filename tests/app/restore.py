#!/usr/bin/python3
'''Timings that outlive the program, with the real program on a private Xvfb.

    restore.py HOROLUX XPROBE

Run through private_bus.py --session --mock notification_daemon. With a
private XDG_STATE_HOME: starts Horolux, types the I.D. "Tea" and starts the
stopwatch, opens another window, types "Oven" and starts a 0.05-minute
countdown; kills the program with SIGKILL, waits past the countdown's end and
starts it again. Both windows must come back: the stopwatch still running from
its first start (stopped by a click, its result is past the time of the kill),
the countdown finished, with the notification "Oven: countdown done at HH:MM".
Then SIGTERM ends the second run and its record must stay for a third start.

Then the records of a boot before this one: a running stopwatch whose I.D.
holds an emoji, started a day ago by the wall clock in another boot, comes
back, and comes back again after a second kill in this boot, further on.

Exits with 77 (skipped) when Xvfb or XPROBE is missing.
'''

import glob
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
CLIENT_HEIGHT = 254  # the client area below the menu bar, in pixels
TEXT1 = (91, 182)
SW_BUTTON = (71, 146)
MINUTES = (320, 105)
COUNTDOWN = (360, 146)
ANOTHER = (412, 218)


def fail(message):
    print(f'FAIL: {message}', flush=True)
    sys.exit(1)


def parse(line):
    return {k: int(float(v)) for k, v in (pair.split('=') for pair in line.split())}


def records(state):
    '''The windows of every record in the folder, by file.'''
    found = {}
    for path in glob.glob(os.path.join(state, 'horolux', '*.json')):
        try:
            with open(path, encoding='utf-8') as f:
                found[path] = json.load(f)['windows']
        except (OSError, ValueError):
            pass
    return found


def wait_for(what, predicate, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = predicate()
        if result:
            return result
        time.sleep(0.1)
    fail(f'timed out waiting for {what}')
    return None


def dump(state):
    for path, windows in records(state).items():
        print(f'{os.path.basename(path)}: {json.dumps(windows)}')


def main():
    horolux, xprobe = sys.argv[1], sys.argv[2]
    if shutil.which('Xvfb') is None or not xprobe:
        print('SKIP: Xvfb or the X client bench/xprobe is missing')
        sys.exit(SKIP)
    work = tempfile.mkdtemp(prefix='horolux-restore-')
    env = dict(os.environ, XDG_STATE_HOME=os.path.join(work, 'state'),
               XDG_CONFIG_HOME=os.path.join(work, 'config'), QT_QPA_PLATFORM='xcb')
    with open(os.path.join(work, 'display'), 'w+', encoding='ascii') as display:
        xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(display.fileno()), '-nolisten', 'tcp',
                                 '-screen', '0', '1280x1024x24'], pass_fds=[display.fileno()],
                                stderr=subprocess.DEVNULL)
        number = wait_for('Xvfb', lambda: (display.seek(0), display.read().strip())[1])
    env['DISPLAY'] = f':{number}'
    state = env['XDG_STATE_HOME']

    def probe(*args):
        out = subprocess.run([xprobe, *map(str, args)], env=env, check=True, text=True,
                             capture_output=True).stdout
        time.sleep(0.3 if args[0] != 'click-map' else 1.0)  # handled before the next input
        return out

    started_pids = []

    def start(log, *args):
        w = parse(probe('start', os.path.join(work, log), horolux, *args))
        started_pids.append(w['pid'])
        w['menu'] = w['h'] - CLIENT_HEIGHT
        return w

    def at(w, place, x=None, y=None):
        return (w['x'] if x is None else x) + place[0], (w['y'] if y is None else y) + w['menu'] + place[1]

    try:
        run(state, probe, start, at)
        for pid in started_pids:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        shutil.rmtree(os.path.join(state, 'horolux'), ignore_errors=True)
        rebooted(state, start)
    finally:
        dump(state)
        for log in ('first.log', 'second.log', 'reboot-1.log', 'reboot-2.log'):
            if os.path.exists(os.path.join(work, log)):
                with open(os.path.join(work, log), encoding='utf-8', errors='replace') as f:
                    sys.stdout.write(f'{log}:\n{f.read()}')
        for pid in started_pids:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(work, ignore_errors=True)


def run(state, probe, start, at):
    '''The three runs, on the display and bus set up by main().'''
    # The first run: a stopwatch and, in another window, a countdown.
    first = start('first.log')
    probe('click', *at(first, TEXT1))
    probe('type', 'Tea')
    probe('click', *at(first, SW_BUTTON))
    started = time.time()
    other = parse(probe('click-map', *at(first, ANOTHER)))
    other['menu'] = first['menu']
    # Clicked again once the new window has surely taken the keyboard from
    # the first one.
    probe('click', *at(other, TEXT1))
    time.sleep(1)
    probe('click', *at(other, TEXT1))
    probe('type', 'Oven')
    probe('click', *at(other, MINUTES))
    probe('type', '0.05')
    probe('click', *at(other, COUNTDOWN))
    ends = time.time() + 3

    def both_recorded():
        for windows in records(state).values():
            if (len(windows) == 2 and windows[0]['stopwatch']['state'] == 'running'
                    and 'countdown' in windows[1] and windows[1]['id'] == 'Oven'):
                return windows
        return None
    recorded = wait_for('the first run to record both windows', both_recorded, 5)
    print('the first run recorded:', json.dumps(recorded), flush=True)
    os.kill(first['pid'], signal.SIGKILL)
    killed = time.time()
    time.sleep(max(0.0, ends - time.time()) + 1.5)

    # The second run brings both back.
    second = start('second.log')
    since = recorded[0]['stopwatch']['since']

    def restored():
        for path, windows in records(state).items():
            if (len(windows) == 2 and windows[0]['id'] == 'Tea'
                    and abs(windows[0]['stopwatch'].get('since', {}).get('boot', 0)
                            - since['boot']) < 0.05
                    and windows[1]['id'] == 'Oven' and 'countdown' not in windows[1]):
                return path, windows
        return None
    path, windows = wait_for('the second run to restore both windows', restored)
    probe('click', *at(second, SW_BUTTON, windows[0]['x'], windows[0]['y']))

    def stopped():
        for windows in records(state).values():
            if windows and windows[0]['stopwatch']['state'] == 'stopped':
                return windows[0]['stopwatch']['result']
        return None
    result = float(wait_for('the restored stopwatch to stop', stopped))
    if result < killed - started:
        fail(f'the restored stopwatch shows {result} s, less than the {killed - started:.2f} s '
             'it had run when the first run was killed')
    print(f'stopwatch: {killed - started:.2f} s at the kill, {result} s when stopped')

    import dbus  # pylint: disable=import-outside-toplevel
    bus = dbus.bus.BusConnection(os.environ['DBUS_SESSION_BUS_ADDRESS'])
    mock = bus.get_object('org.freedesktop.Notifications', '/org/freedesktop/Notifications')

    def notified():
        for _, method, args in mock.GetCalls(dbus_interface='org.freedesktop.DBus.Mock'):
            if method == 'Notify' and re.fullmatch(r'Oven: countdown done at \d\d:\d\d',
                                                    str(args[3])):
                return str(args[3])
        return None
    print('notification:', wait_for('the notification of the countdown', notified, 5))

    # SIGTERM ends the second run without losing its record.
    os.kill(second['pid'], signal.SIGTERM)
    time.sleep(1)
    if not os.path.exists(path) or len(records(state).get(path, [])) != 2:
        fail('the record did not outlive SIGTERM')
    print('SIGTERM: the record of both windows stays')


def rebooted(state, start):
    '''A record from another boot, brought back twice: the first start must
    record the stopwatch so that its own record reads back after a kill.'''
    os.makedirs(os.path.join(state, 'horolux'), mode=0o700, exist_ok=True)
    day_ago, ident = int(time.time() * 1000) - 86400 * 1000, 'Tea \U0001F375'
    with open(os.path.join(state, 'horolux', 'elsewhere.json'), 'w', encoding='utf-8') as f:
        json.dump({'format': 1, 'windows': [{'id': ident, 'stopwatch': {
            'state': 'running', 'since': {'boot': 5.0, 'bootId': 'a-boot-before', 'utcMs': day_ago}}}]}, f)
    for round_ in (1, 2):
        w = start(f'reboot-{round_}.log')
        back = wait_for(f'the stopwatch of another boot back, start {round_}', lambda: next(
            (w for ws in records(state).values() for w in ws
             if w['id'] == ident and w['stopwatch']['state'] == 'running'), None))
        if abs(back['stopwatch']['since']['utcMs'] - day_ago) > 1000:
            fail(f'the stopwatch came back started at {back["stopwatch"]["since"]}, not a day ago')
        os.kill(w['pid'], signal.SIGKILL)
        print(f'start {round_} after a reboot: back as {json.dumps(back["stopwatch"])}', flush=True)
        time.sleep(0.5)


if __name__ == '__main__':
    main()
