#!/usr/bin/python3
'''Control from outside, with the real program on a private session bus.

    remote.py HOROLUX INTERFACE_XML

Run through private_bus.py --session --drop-sys-time, on Qt's offscreen
platform with private XDG folders. A first Horolux takes the bus name; verbs
from other processes reach it and return at once; refused ones answer with
status 1 and one line and change nothing, from the command line and on the
bus alike; the bus serves exactly the interface described in INTERFACE_XML and
signals a finished countdown. A second plain Horolux waits in the bus's queue
and takes the name over when the first ends; after a kill -9, --list shows the
ended program's windows from its records.
'''

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
PATH = '/org/horolux/Horolux'
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f'FAIL: {what}', flush=True)


def wait_for(what, predicate, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = predicate()
        if result:
            return result
        time.sleep(0.1)
    check(False, f'timed out waiting for {what}')
    return None


def methods(xml):
    '''The interface's methods and signals with their argument types.'''
    interface = ET.fromstring(xml).find(f"interface[@name='{NAME}']")
    return sorted((m.tag, m.get('name'), tuple(a.get('type') for a in m.findall('arg')))
                  for m in interface if m.tag in ('method', 'signal'))


def main():
    horolux, described = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp(prefix='horolux-remote-')
    env = {k: v for k, v in os.environ.items() if k not in ('DISPLAY', 'WAYLAND_DISPLAY')}
    env.update(QT_QPA_PLATFORM='offscreen', XDG_STATE_HOME=os.path.join(work, 'state'),
               XDG_CONFIG_HOME=os.path.join(work, 'config'),
               XDG_RUNTIME_DIR=os.path.join(work, 'runtime'))
    os.mkdir(env['XDG_RUNTIME_DIR'], 0o700)
    address = os.environ['DBUS_SESSION_BUS_ADDRESS']
    bus = dbus.bus.BusConnection(address)
    programs = []

    def start():
        programs.append(subprocess.Popen([horolux], env=env))
        return programs[-1]

    def run(*args, state=None):
        started = time.monotonic()
        done = subprocess.run([horolux, *args], env=dict(env, XDG_STATE_HOME=state or env[
            'XDG_STATE_HOME']), capture_output=True, text=True, timeout=30, check=False)
        done.seconds = time.monotonic() - started
        return done

    def owner():
        if not bus.name_has_owner(NAME):
            return None
        return int(bus.get_unix_process_id(bus.get_name_owner(NAME)))

    def listed(program_running=True):
        out = run('--list', '--json').stdout
        return {w['id']: w for w in json.loads(out)['windows']
                if w['programRunning'] == program_running}

    horolux_bus = lambda: dbus.Interface(bus.get_object(NAME, PATH), NAME)
    monitor = subprocess.Popen(['dbus-monitor', '--address', address,
                                f"type='signal',interface='{NAME}'"],
                               stdout=subprocess.PIPE, text=True)
    try:
        first = start()
        wait_for('the first Horolux to take the name', lambda: owner() == first.pid)

        # Verbs from other processes reach it, and return at once.
        done = run('--countdown', '5', '--id', 'Tea', '--validate')
        check(done.returncode == 0 and done.seconds < 5, f'--countdown: {done}')
        check(run('--stopwatch', '--id', 'Run').returncode == 0, '--stopwatch')
        check(run('--capture', 'Run').returncode == 0, '--capture')
        windows = wait_for('the listing', lambda: (lambda w: len(w) == 2 and w)(listed()))
        if windows:
            tea = windows['Tea']
            check(tea['countdown']['state'] == 'running' and 295 <= tea['countdown'][
                'secondsLeft'] <= 300 and tea['stopwatch']['state'] == 'running',
                  f'Tea listed as {tea}')
        own = json.loads(horolux_bus().ListWindows())['windows']
        check(sorted(w['id'] for w in own) == ['Run', 'Tea'], f'ListWindows: {own}')

        # Refusals: status 1, one line, nothing changed.
        for args in (['--countdown', 'abc'], ['--countdown', '0'], ['--countdown', '-5'],
                     ['--countdown', '1e9'], ['--countdown', 'nan'], ['--countdown', '1,5'],
                     ['--countdown', '5', '--id', 'x' * 10000], ['--stopwatch', '--id', 'a\nb'],
                     ['--press', 'Nope'], ['--stop-countdown', 'Run'], ['--press', '']):
            done = run(*args)
            check(done.returncode == 1 and done.stderr.startswith('horolux: ') and
                  done.stderr.count('\n') <= 2 and len(done.stderr) < 400,
                  f'{args[:3]}: status {done.returncode}, {done.stderr!r}')
        for call, arguments in (('StartCountdown', ('nan', 'x', False)),
                                ('StartCountdown', ('1e9', 'x', False)),
                                ('StartStopwatch', ('x' * 10000,)),
                                ('NewWindow', ('\x1b[2J',)),
                                ('PressStopwatch', ('Nope',))):
            try:
                getattr(horolux_bus(), call)(*arguments)
                check(False, f'{call}{arguments[:1]} was not refused')
            except dbus.DBusException as error:
                check(error.get_dbus_name().startswith(f'{NAME}.Error.'), f'{call}: {error}')
        check(len(json.loads(horolux_bus().ListWindows())['windows']) == 2,
              'a refused verb changed the windows')

        # The interface served is the one described, nothing more.
        served = bus.get_object(NAME, PATH).Introspect(
            dbus_interface='org.freedesktop.DBus.Introspectable')
        with open(described, encoding='utf-8') as f:
            check(methods(served) == methods(f.read()), 'the served interface differs')

        # A countdown's finish is signalled.
        horolux_bus().StartCountdown('0.02', 'Egg', False)
        time.sleep(3)

        # The name passes to a second program when the first ends.
        second = start()
        time.sleep(1)
        check(owner() == first.pid, 'the second Horolux took the name from the first')
        first.send_signal(signal.SIGTERM)
        first.wait(timeout=10)
        wait_for('the second Horolux to take the name', lambda: owner() == second.pid)
        check(run('--stopwatch', '--id', 'Lap').returncode == 0, '--stopwatch to the second')
        wait_for('Lap in the second', lambda: any(
            w['id'] == 'Lap' for w in json.loads(horolux_bus().ListWindows())['windows']))

        # After a kill -9, the listing comes from the records.
        second.send_signal(signal.SIGKILL)
        second.wait(timeout=10)
        gone = listed(program_running=False)
        check({'Tea', 'Run', 'Lap'} <= set(gone), f'after kill -9: {sorted(gone)}')
        text = run('--list').stdout
        check('Lap: stopwatch' in text and 'not running' in text, f'--list: {text!r}')
        done = run('--press', 'Lap')
        check(done.returncode == 1 and 'No Horolux is running' in done.stderr, f'{done}')
        empty = run('--list', state=os.path.join(work, 'empty'))
        check(empty.returncode == 0 and empty.stdout == '', f'an empty --list: {empty}')
    finally:
        for process in programs:
            if process.poll() is None:
                process.kill()
                process.wait()
        monitor.terminate()
        signals = monitor.communicate(timeout=10)[0]
        shutil.rmtree(work, ignore_errors=True)
    check('member=CountdownFinished' in signals and '"Egg"' in signals,
          f'no CountdownFinished for Egg:\n{signals}')
    if failures:
        sys.exit(1)
    print('remote.py: the verbs, the listing and the name passing all held')


if __name__ == '__main__':
    main()
