#!/usr/bin/python3
'''Runs a test program against a private D-Bus system or session bus.

    private_bus.py [--session] [--mock TEMPLATE [--parameters JSON]] [--no-bus]
                   [--drop-sys-time] -- PROGRAM [ARGS...]

Starts a dbus-daemon of its own on a socket in a temporary folder, optionally
with a python3-dbusmock template (a file, or one of dbusmock's own such as
notification_daemon) serving on it, runs PROGRAM with DBUS_SYSTEM_BUS_ADDRESS
(or, with --session, DBUS_SESSION_BUS_ADDRESS) pointing at that bus, then
stops everything and exits with PROGRAM's status. The program also finds the
address in HOROLUX_PRIVATE_SYSTEM_BUS (HOROLUX_PRIVATE_SESSION_BUS), so that
it can make sure it is not talking to the machine's or the desktop's own bus.

--session         a session bus instead of the system bus.
--no-bus          start no bus: the address points at a socket that does not
                  exist, as on a machine (in a session) without that bus.
--drop-sys-time   run PROGRAM without the right to set the clock
                  (CAP_SYS_TIME), through setpriv where this process holds it.

Exits with 77 (skipped) when dbus-daemon or dbusmock is missing.
'''

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
CAP_SYS_TIME = 25

BUS_CONFIG = '''<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>{kind}</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
'''


def skip(reason):
    print(f'SKIP: {reason}', flush=True)
    sys.exit(SKIP)


def holds_sys_time():
    with open('/proc/self/status', encoding='ascii') as status:
        for line in status:
            if line.startswith('CapEff:'):
                return bool(int(line.split()[1], 16) >> CAP_SYS_TIME & 1)
    return os.geteuid() == 0


def wait_for_name(address, name, mock):
    import dbus  # pylint: disable=import-outside-toplevel
    bus = dbus.bus.BusConnection(address)
    deadline = time.monotonic() + 20
    while not bus.name_has_owner(name):
        if mock.poll() is not None:
            sys.exit(f'private_bus: the mock ended with status {mock.returncode}')
        if time.monotonic() > deadline:
            sys.exit(f'private_bus: {name} did not appear on the private bus')
        time.sleep(0.05)
    bus.close()


def stop(process):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--session', action='store_true')
    parser.add_argument('--mock', metavar='TEMPLATE')
    parser.add_argument('--parameters', metavar='JSON')
    parser.add_argument('--no-bus', action='store_true')
    parser.add_argument('--drop-sys-time', action='store_true')
    parser.add_argument('program', nargs=argparse.REMAINDER)
    options = parser.parse_args()
    program = options.program[1:] if options.program[:1] == ['--'] else options.program
    if not program:
        parser.error('no program to run')
    kind = 'session' if options.session else 'system'

    if not options.no_bus and shutil.which('dbus-daemon') is None:
        skip('dbus-daemon is not installed (Debian package dbus-daemon)')
    service = None
    if options.mock:
        try:
            from dbusmock.mockobject import load_module  # pylint: disable=import-outside-toplevel
        except ImportError:
            skip(f'python3-dbusmock is not installed for {sys.executable}')
        service = load_module(options.mock).BUS_NAME
    if options.drop_sys_time and holds_sys_time():
        if shutil.which('setpriv') is None:
            skip('setpriv is missing: cannot run without the right to set the clock')
        program = ['setpriv', '--bounding-set=-sys_time', '--inh-caps=-sys_time', '--'] + program

    with tempfile.TemporaryDirectory(prefix=f'horolux-{kind}-bus-') as folder:
        socket = os.path.join(folder, f'{kind}_bus_socket')
        address = f'unix:path={socket}'
        env = dict(os.environ)
        env[f'DBUS_{kind.upper()}_BUS_ADDRESS'] = address
        env[f'HOROLUX_PRIVATE_{kind.upper()}_BUS'] = address
        if kind == 'system':
            env.pop('DBUS_SESSION_BUS_ADDRESS', None)
        daemon = mock = None
        try:
            if not options.no_bus:
                config = os.path.join(folder, 'bus.conf')
                with open(config, 'w', encoding='utf-8') as out:
                    out.write(BUS_CONFIG.format(kind=kind, socket=socket))
                daemon = subprocess.Popen(
                    ['dbus-daemon', f'--config-file={config}', '--nofork', '--print-address=1'],
                    stdout=subprocess.PIPE, text=True)
                if not daemon.stdout.readline().strip():
                    sys.exit('private_bus: dbus-daemon did not start')
            if options.mock:
                command = ['/usr/bin/python3', '-m', 'dbusmock', f'--{kind}', '--template',
                           options.mock, '--logfile', os.path.join(folder, 'mock.log')]
                if options.parameters:
                    command += ['--parameters', options.parameters]
                mock = subprocess.Popen(command, env=env)
                wait_for_name(address, service, mock)
            status = subprocess.run(program, env=env, check=False).returncode
        finally:
            stop(mock)
            stop(daemon)
            log = os.path.join(folder, 'mock.log')
            if os.path.exists(log):
                with open(log, encoding='utf-8', errors='replace') as calls:
                    sys.stdout.write('mock log:\n' + calls.read())
    sys.exit(status if status >= 0 else 128 - status)


if __name__ == '__main__':
    main()
