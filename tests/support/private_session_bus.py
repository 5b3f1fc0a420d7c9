#!/usr/bin/python3
'''Runs a test program against a private D-Bus "session bus".

    private_session_bus.py [--mock TEMPLATE [--parameters JSON]] [--no-bus] -- PROGRAM [ARGS...]

The session-bus counterpart of private_system_bus.py: starts a dbus-daemon of
its own on a socket in a temporary folder, optionally with a python3-dbusmock
template (a file or one of dbusmock's own, such as notification_daemon)
serving on it, runs PROGRAM with DBUS_SESSION_BUS_ADDRESS pointing at that
bus, then stops everything and exits with PROGRAM's status. The program also
finds the address in HOROLUX_PRIVATE_SESSION_BUS, so that it can make sure it
is not talking to the desktop's own session bus.

--no-bus   start no bus: the address points at a socket that does not exist,
           as in a session without a bus.

Exits with 77 (skipped) when dbus-daemon or dbusmock is missing.
'''

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

from private_system_bus import BUS_CONFIG, skip, stop, wait_for_name


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--mock', metavar='TEMPLATE')
    parser.add_argument('--parameters', metavar='JSON')
    parser.add_argument('--no-bus', action='store_true')
    parser.add_argument('program', nargs=argparse.REMAINDER)
    options = parser.parse_args()
    program = options.program[1:] if options.program[:1] == ['--'] else options.program
    if not program:
        parser.error('no program to run')

    if not options.no_bus and shutil.which('dbus-daemon') is None:
        skip('dbus-daemon is not installed (Debian package dbus-daemon)')
    service = None
    if options.mock:
        try:
            from dbusmock.mockobject import load_module  # pylint: disable=import-outside-toplevel
        except ImportError:
            skip(f'python3-dbusmock is not installed for {sys.executable}')
        service = load_module(options.mock).BUS_NAME

    with tempfile.TemporaryDirectory(prefix='horolux-session-') as folder:
        socket = os.path.join(folder, 'session_bus_socket')
        address = f'unix:path={socket}'
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=address,
                   HOROLUX_PRIVATE_SESSION_BUS=address)
        daemon = mock = None
        try:
            if not options.no_bus:
                config = os.path.join(folder, 'bus.conf')
                with open(config, 'w', encoding='utf-8') as out:
                    out.write(BUS_CONFIG.replace('<type>system</type>', '<type>session</type>')
                              .format(socket=socket))
                daemon = subprocess.Popen(
                    ['dbus-daemon', f'--config-file={config}', '--nofork', '--print-address=1'],
                    stdout=subprocess.PIPE, text=True)
                if not daemon.stdout.readline().strip():
                    sys.exit('private_session_bus: dbus-daemon did not start')
            if options.mock:
                command = ['/usr/bin/python3', '-m', 'dbusmock', '--session', '--template',
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
