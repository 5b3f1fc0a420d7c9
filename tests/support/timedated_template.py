'''A systemd-timedated stand-in for Horolux's tests, loaded by python3-dbusmock.

SetTime(x usec_utc, b relative, b interactive) accepts exactly the signature
"xbb", refuses with org.freedesktop.timedate1.AutomaticTimeSyncEnabled while
NTP is on, and with org.freedesktop.DBus.Error.AccessDenied when the test
has withdrawn the authorization. Accepted calls are recorded and never touch
any clock.

Controls on org.freedesktop.DBus.Mock:
  SetAuthorized(b)          whether SetTime is authorized (initially yes)
  SetReplyDelay(d seconds)  answer accepted calls this much later
  SetRefusal(s name)        refuse every SetTime with this D-Bus error ('' for none)
  GetSetTimeCalls() a(xbb)  the accepted calls, oldest first
  ClearSetTimeCalls()
NTP is switched with the service's own SetNTP(b use_ntp, b interactive);
parameter "NTP" gives its initial value (off unless given).
'''

import dbus
from dbusmock import MOCK_IFACE
from gi.repository import GLib

BUS_NAME = 'org.freedesktop.timedate1'
MAIN_OBJ = '/org/freedesktop/timedate1'
MAIN_IFACE = 'org.freedesktop.timedate1'
SYSTEM_BUS = True


def load(mock, parameters):
    mock.authorized = True
    mock.reply_delay = 0.0
    mock.refusal = ''
    mock.set_time_calls = []
    mock.AddMethods(MAIN_IFACE, [
        ('SetNTP', 'bb', '', f'self.Set("{MAIN_IFACE}", "NTP", args[0])'),
    ])
    mock.AddProperties(MAIN_IFACE, dbus.Dictionary({
        'Timezone': parameters.get('Timezone', 'Etc/UTC'),
        'LocalRTC': False,
        'CanNTP': True,
        'NTP': parameters.get('NTP', False),
        'NTPSynchronized': False,
    }, signature='sv'))


@dbus.service.method(MAIN_IFACE, in_signature='xbb', out_signature='',
                     message_keyword='message', async_callbacks=('reply', 'error'))
def SetTime(self, usec_utc, relative, interactive, message, reply, error):
    # dbusmock converts the arguments to the declared types before they get
    # here, so the types that arrived are read off the message itself.
    signature = message.get_signature()
    if signature != 'xbb':
        raise dbus.exceptions.DBusException(
            f'SetTime takes (xbb), not ({signature})',
            name='org.freedesktop.DBus.Error.InvalidArgs')
    if self.refusal:
        raise dbus.exceptions.DBusException('Something unforeseen', name=self.refusal)
    if self.Get(MAIN_IFACE, 'NTP'):
        raise dbus.exceptions.DBusException(
            'Automatic time synchronization is enabled',
            name='org.freedesktop.timedate1.AutomaticTimeSyncEnabled')
    if not self.authorized:
        raise dbus.exceptions.DBusException(
            'Permission denied', name='org.freedesktop.DBus.Error.AccessDenied')
    self.set_time_calls.append((int(usec_utc), bool(relative), bool(interactive)))
    if self.reply_delay > 0:
        GLib.timeout_add(int(self.reply_delay * 1000), lambda: reply() and False)
    else:
        reply()


@dbus.service.method(MOCK_IFACE, in_signature='b', out_signature='')
def SetAuthorized(self, authorized):
    self.authorized = bool(authorized)


@dbus.service.method(MOCK_IFACE, in_signature='s', out_signature='')
def SetRefusal(self, name):
    self.refusal = str(name)


@dbus.service.method(MOCK_IFACE, in_signature='d', out_signature='')
def SetReplyDelay(self, seconds):
    self.reply_delay = float(seconds)


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='a(xbb)')
def GetSetTimeCalls(self):
    return dbus.Array(self.set_time_calls, signature='(xbb)')


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='')
def ClearSetTimeCalls(self):
    self.set_time_calls = []
