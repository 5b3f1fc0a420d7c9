#!/usr/bin/python3
# Seen outside the window, the real program on a private X server (through
# xvfb-run) with openbox and a private session bus (through private_bus.py
# --session --mock notification_daemon --drop-sys-time), in the test's own XDG
# folders:   outside.py HOROLUX WATCHER
# Two countdowns: the tray item as a host reads it, the taskbar entry's
# progress, the urgency of the window that finished behind the other, the
# notification's "Again", and all of it gone at the end.
import json
import os
import re
import subprocess
import sys
import time

import dbus

horolux, watcher = sys.argv[1], sys.argv[2]
env, log = dict(os.environ, QT_QPA_PLATFORM='xcb'), os.environ['XDG_RUNTIME_DIR'] + '/sni.log'
failures = []


def check(ok, what, shown=''):
    print(f'{"ok" if ok else "FAIL"}: {what} {shown}', flush=True)
    failures.extend([] if ok else [what])


def wait_for(what, predicate, seconds=30):
    deadline = time.monotonic() + seconds
    while not (found := predicate()) and time.monotonic() < deadline:
        time.sleep(0.1)
    check(found, what)
    return found


entries = lambda key: [e[key] for e in map(json.loads, open(log, encoding='utf-8')) if key in e]
mock = dbus.Interface(dbus.SessionBus().get_object('org.freedesktop.Notifications',
                      '/org/freedesktop/Notifications'), 'org.freedesktop.DBus.Mock')
run = lambda *args: subprocess.run(args, env=env, capture_output=True, text=True).stdout
window = lambda title: next((w for w in re.findall(r'0x[0-9a-f]+', run(
    'xprop', '-root', '_NET_CLIENT_LIST')) if title in run('xprop', '-id', w, 'WM_NAME')), None)
servers = [subprocess.Popen(['openbox'], env=env, stderr=subprocess.DEVNULL),
           subprocess.Popen(['/usr/bin/python3', watcher, log], env=env)]
try:
    wait_for('the watcher', lambda: os.path.exists(log) and entries('ready'))
    # The first start carries its verb out itself; the second goes to it.
    servers.append(subprocess.Popen([horolux, '--countdown', '0.1', '--id', 'Egg'], env=env))
    egg = wait_for('the Egg window titled', lambda: window('"Egg - 0:00:0'))
    run(horolux, '--countdown', '0.2', '--id', 'Oven')
    oven = wait_for('the Oven window titled', lambda: window('"Oven - 0:00:'))
    wait_for('a tray item listing both, its icon 32 pixels square', lambda: [
        i for i in map(json.dumps, entries('item')) if re.search(
            r'Egg: 0:0\d left\\nOven: 0:\d\d left", ""\], "IconPixmap": \[\[32, 32, 4096\]', i)])
    notice = wait_for('the notice', lambda: [c[2] for c in mock.GetCalls() if c[1] == 'Notify'])
    check('DEMANDS_ATTENTION' in run('xprop', '-id', egg, '_NET_WM_STATE'), 'Egg is urgent',
          f'(Egg {egg}, Oven {oven}) ' + run('xprop', '-root', '_NET_ACTIVE_WINDOW'))
    check('Egg' in notice[-1][3] and 'again' in notice[-1][5] and notice[-1][6]['urgency'] == 2,
          'the finish notice', f'{notice[-1][3]} {list(map(str, notice[-1][5]))} critical')
    mock.EmitSignal('org.freedesktop.Notifications', 'ActionInvoked', 'us',
                    [dbus.UInt32(len(notice)), 'again'])  # the mock numbers them from 1
    wait_for('Egg running again', lambda: 'Egg: countdown 0:00:0' in run(horolux, '--list'))
    wait_for('the tray item to go', lambda: entries('gone'), 40)
    launcher = entries('launcher')
    progress = [p['progress'] for _, p in launcher if p['progress-visible']]
    check(any(a < b for a, b in zip(progress, progress[1:])) and any(
        p['count'] == 2 for _, p in launcher), 'rising progress, two counted', progress)
    check(launcher[-1] == ['application://org.horolux.Horolux.desktop', {'progress': 0.0,
          'progress-visible': 0, 'count': 0, 'count-visible': 0}], 'cleared', launcher[-1])
finally:
    for process in reversed(servers):
        process.terminate()
        process.wait()
sys.exit(1 if failures else 0)
