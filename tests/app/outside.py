#!/usr/bin/python3
# Seen outside the window, the real program on a private X server with openbox
# and a private session bus (through private_bus.py --session --mock
# notification_daemon --drop-sys-time):   outside.py HOROLUX WATCHER
# Two countdowns from the command line: the tray item as a host reads it, the
# taskbar entry's progress, the urgency of the window that finished behind the
# other, the finish notification's "Again", and all of it gone at the end.
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import dbus

SKIP = 77
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f'FAIL: {what}', flush=True)


def wait_for(what, predicate, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = predicate()
        if found:
            return found
        time.sleep(0.1)
    check(False, f'timed out waiting for {what}')
    return None


def main():
    horolux, watcher_script = sys.argv[1], sys.argv[2]
    for tool in ('Xvfb', 'openbox', 'xprop'):
        if shutil.which(tool) is None:
            print(f'SKIP: {tool} is missing')
            sys.exit(SKIP)
    work = tempfile.mkdtemp(prefix='horolux-outside-')
    env = dict(os.environ, XDG_STATE_HOME=f'{work}/state', XDG_CONFIG_HOME=f'{work}/config',
               QT_QPA_PLATFORM='xcb')
    env.pop('WAYLAND_DISPLAY', None)
    log_path = f'{work}/watcher.log'
    processes = []
    with open(f'{work}/display', 'w+', encoding='ascii') as display:
        processes.append(subprocess.Popen(
            ['Xvfb', '-displayfd', str(display.fileno()), '-nolisten', 'tcp', '-screen', '0',
             '1280x1024x24'], pass_fds=[display.fileno()], stderr=subprocess.DEVNULL))
        number = wait_for('Xvfb', lambda: (display.seek(0), display.read().strip())[1])
    env['DISPLAY'] = f':{number}'
    processes.append(subprocess.Popen(['openbox'], env=env, stderr=subprocess.DEVNULL))
    processes.append(subprocess.Popen(['/usr/bin/python3', watcher_script, log_path], env=env))
    entries = lambda: [json.loads(line) for line in open(log_path, encoding='utf-8')]
    wait_for('the watcher', lambda: os.path.exists(log_path) and entries())
    bus = dbus.bus.BusConnection(os.environ['DBUS_SESSION_BUS_ADDRESS'])
    mock = bus.get_object('org.freedesktop.Notifications', '/org/freedesktop/Notifications')
    run = lambda *args: subprocess.run([horolux, *args], env=env, capture_output=True, text=True,
                                       timeout=30, check=False)
    xprop = lambda *args: subprocess.run(['xprop', *args], env=env, capture_output=True,
                                         text=True, check=False).stdout

    def window(title):
        ids = re.findall(r'0x[0-9a-f]+', xprop('-root', '_NET_CLIENT_LIST'))
        for wid in ids:
            if f'"{title}' in xprop('-id', wid, '_NET_WM_NAME'):
                return wid
        return None

    try:
        # The first start carries its verb out itself; the second goes to it.
        processes.append(subprocess.Popen([horolux, '--countdown', '0.1', '--id', 'Egg'], env=env))
        egg = wait_for('the Egg window', lambda: window('Egg - '))
        check(run('--countdown', '0.2', '--id', 'Oven').returncode == 0, '--countdown Oven')
        oven = wait_for('the Oven window', lambda: window('Oven - '))
        # The tray item while both run, as the host reads it.
        both = lambda: [e for e in entries() if 'Egg: ' in json.dumps(e.get('properties'))
                        and 'Oven: ' in json.dumps(e.get('properties'))]
        item = wait_for('a tray item listing both countdowns', both)
        print('tray item:', json.dumps(item and item[-1]), flush=True)
        pixmaps = item[-1]['properties']['IconPixmap'] if item else []
        check(pixmaps and pixmaps[0][:2] == [32, 32] and pixmaps[0][2] == 32 * 32 * 4,
              f'the icon: {pixmaps}')
        # Egg finishes behind Oven: its window asks for attention.
        wait_for('the finish notification', lambda: [c for c in mock.GetCalls(
            dbus_interface='org.freedesktop.DBus.Mock') if c[1] == 'Notify'])
        active = xprop('-root', '_NET_ACTIVE_WINDOW')
        state = xprop('-id', egg, '_NET_WM_STATE', 'WM_HINTS')
        print(f'active: {active.strip()} (Oven {oven}, Egg {egg})\nEgg: {state}', flush=True)
        check('DEMANDS_ATTENTION' in state or 'urgency' in state.lower(), 'Egg is not urgent')
        # The notification: critical, with "Again", which runs Egg once more.
        calls = [c for c in mock.GetCalls(dbus_interface='org.freedesktop.DBus.Mock')
                 if c[1] == 'Notify']
        summary, actions, hints = calls[-1][2][3], list(calls[-1][2][5]), calls[-1][2][6]
        print(f'notification: {summary!r} {actions} urgency={int(hints["urgency"])}', flush=True)
        check('Egg' in summary and 'again' in actions and int(hints['urgency']) == 2,
              'the finish notification')
        # The mock numbers new notifications from 1.
        shown = calls[-1][2][1] or sum(1 for c in calls if not c[2][1])
        mock.EmitSignal('org.freedesktop.Notifications', 'ActionInvoked', 'us',
                        [dbus.UInt32(shown), 'again'], dbus_interface='org.freedesktop.DBus.Mock')
        listed = lambda: {w['id']: w for w in json.loads(run('--list', '--json').stdout)['windows']}
        again = wait_for('Egg running again', lambda: listed().get('Egg', {}).get(
            'countdown', {}).get('state') == 'running' and listed()['Egg'])
        print('after Again:', json.dumps(again), flush=True)
        check(again and again['countdown']['secondsLeft'] >= 4, f'Egg again: {again}')
        # Nothing runs any more: the taskbar entry cleared, the tray item gone.
        wait_for('the tray item to go', lambda: [e for e in entries() if 'gone' in e], 30)
        launcher = [e['launcher'] for e in entries() if 'launcher' in e]
        print('launcher entry:', json.dumps(launcher), flush=True)
        check(all(uri == 'application://org.horolux.Horolux.desktop' for uri, _ in launcher),
              'the launcher entry\'s uri')
        progress = [p['progress'] for _, p in launcher if p['progress-visible']]
        check(any(a < b for a, b in zip(progress, progress[1:])), 'no rising progress')
        check(any(p['count'] == 2 for _, p in launcher), 'never two countdowns counted')
        check(launcher and not launcher[-1][1]['progress-visible'] and
              launcher[-1][1]['count'] == 0, 'the taskbar entry was not cleared at the end')
    finally:
        for process in reversed(processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        sys.exit(1)
    print('outside.py: the tray, the taskbar entry, the urgency and "Again" held')


if __name__ == '__main__':
    main()
