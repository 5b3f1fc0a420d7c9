#!/usr/bin/python3
# Control from outside, the real program on a private session bus:
#   remote.py HOROLUX INTERFACE_XML   (through private_bus.py --session --drop-sys-time)
# Verbs from other processes reach the first Horolux; the bus serves the interface
# INTERFACE_XML describes and signals a finish; the name passes to a second Horolux
# when the first ends; after a kill -9, --list shows the ended program's windows.

import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

import dbus

NAME = 'org.horolux.Horolux'
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f'FAIL: {what}', flush=True)


def wait_for(what, predicate):
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline:
        if predicate():
            return
        time.sleep(0.1)
    check(False, f'timed out waiting for {what}')


def members(xml):
    '''The interface's methods and signals with their argument types.'''
    interface = ET.fromstring(xml).find(f"interface[@name='{NAME}']")
    return sorted((m.tag, m.get('name'), [a.get('type') for a in m.findall('arg')])
                  for m in interface if m.tag in ('method', 'signal'))


def main():
    horolux, described = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp(prefix='horolux-remote-')
    env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
    env.update(QT_QPA_PLATFORM='offscreen', XDG_STATE_HOME=f'{work}/state',
               XDG_CONFIG_HOME=f'{work}/config', XDG_RUNTIME_DIR=work)
    address = os.environ['DBUS_SESSION_BUS_ADDRESS']
    bus = dbus.bus.BusConnection(address)
    remote = lambda: dbus.Interface(bus.get_object(NAME, '/org/horolux/Horolux'), NAME)
    owner = lambda: bus.name_has_owner(NAME) and bus.call_blocking(
        'org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
        'GetConnectionUnixProcessID', 's', [NAME])
    run = lambda *args: subprocess.run([horolux, *args], env=env, capture_output=True, text=True,
                                       timeout=30, check=False)
    listed = lambda: {w['id']: w for w in json.loads(run('--list', '--json').stdout)['windows']}
    monitor = subprocess.Popen(['dbus-monitor', '--address', address, f"interface='{NAME}'"],
                               stdout=subprocess.PIPE, text=True)
    first = subprocess.Popen([horolux], env=env)
    second = None
    try:
        wait_for('the first Horolux to take the name', lambda: owner() == first.pid)
        # Verbs from other processes: carried out, or refused in one line.
        check(run('--countdown', '5', '--id', 'Tea', '--validate').returncode == 0, '--countdown')
        done = run('--press', 'Nope')
        check(done.returncode == 1 and done.stderr == "horolux: No window of Horolux has the "
              "I.D. 'Nope'.\n", f'--press Nope: {done.returncode}, {done.stderr!r}')
        wait_for('the listing', lambda: 'Tea' in listed())
        tea = listed().get('Tea', {})
        check(tea.get('programRunning') and 295 <= tea['countdown']['secondsLeft'] <= 300 and
              tea['stopwatch']['state'] == 'running', f'Tea listed as {tea}')
        served = bus.get_object(NAME, '/org/horolux/Horolux').Introspect(
            dbus_interface='org.freedesktop.DBus.Introspectable')
        with open(described, encoding='utf-8') as f:
            check(members(served) == members(f.read()), 'the served interface differs')
        remote().StartCountdown('0.02', 'Egg', False)
        time.sleep(2)  # past its end: CountdownFinished

        # A second Horolux waits in the queue and takes the name when the first ends.
        second = subprocess.Popen([horolux], env=env)
        time.sleep(1)
        check(owner() == first.pid, 'the second Horolux took the name from the first')
        first.send_signal(signal.SIGTERM)
        wait_for('the second Horolux to take the name', lambda: owner() == second.pid)
        check(run('--stopwatch', '--id', 'Lap').returncode == 0, '--stopwatch to the second')
        wait_for('Lap in the second and its record',
                 lambda: 'Lap' in remote().ListWindows() and 'Lap' in listed())

        # After a kill -9, the listing comes from the records.
        second.kill()
        second.wait()
        gone = {id for id, w in listed().items() if not w['programRunning']}
        check({'Tea', 'Lap'} <= gone, f'after kill -9: {sorted(gone)}')
    finally:
        for process in (first, second, monitor):
            if process is not None and process.poll() is None:
                process.kill()
        signals = monitor.communicate(timeout=10)[0]
        shutil.rmtree(work, ignore_errors=True)
    check('member=CountdownFinished' in signals and '"Egg"' in signals, 'no CountdownFinished')
    if failures:
        sys.exit(1)
    print('remote.py: the verbs, the listing and the name passing held')


if __name__ == '__main__':
    main()
