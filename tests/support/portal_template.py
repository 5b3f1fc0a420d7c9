'''A desktop portal stand-in for Horolux's tests, loaded by python3-dbusmock:
the Settings interface with the appearance setting color-scheme only, and
Inhibit for suspend only (each hold a Request object that Close lets go).

ReadOne(s namespace, s key) answers the value, Read(s, s) (older portals)
the value inside a variant; any other setting is org.freedesktop.portal.Error.NotFound.

Parameters: "color-scheme" (u, initially 0: no preference); "ReadOne": false
for a portal that only has Read.
Controls on org.freedesktop.DBus.Mock:
  SetColorScheme(u)  changes the setting and emits SettingChanged
  Held() -> u        how many holds on suspend are in force
'''

import dbus
from dbusmock import MOCK_IFACE

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Settings'
SYSTEM_BUS = False

LOOKUP = '''if (args[0], args[1]) != ('org.freedesktop.appearance', 'color-scheme'):
    raise dbus.exceptions.DBusException('no such setting', name='org.freedesktop.portal.Error.NotFound')
'''

INHIBIT = '''if args[1] != 4:
    raise dbus.exceptions.DBusException('suspend only', name='org.freedesktop.portal.Error.InvalidArgument')
self.held += 1
self.requests += 1
ret = dbus.ObjectPath('%s/request/%d' % (self.path, self.requests))
self.AddObject(ret, 'org.freedesktop.portal.Request', {}, [('Close', '', '',
    "objects['%s'].held -= 1; self.RemoveObject(self.path)" % self.path)])
'''


def load(mock, parameters):
    mock.color_scheme = dbus.UInt32(parameters.get('color-scheme', 0))
    methods = [('Read', 'ss', 'v', LOOKUP +
                'ret = dbus.UInt32(self.color_scheme, variant_level=2)')]
    if parameters.get('ReadOne', True):
        methods.append(('ReadOne', 'ss', 'v', LOOKUP + 'ret = self.color_scheme'))
    mock.AddMethods(MAIN_IFACE, methods)
    mock.held = mock.requests = 0
    mock.AddMethods('org.freedesktop.portal.Inhibit', [('Inhibit', 'sua{sv}', 'o', INHIBIT)])


@dbus.service.method(MOCK_IFACE, in_signature='u', out_signature='')
def SetColorScheme(self, scheme):
    self.color_scheme = dbus.UInt32(scheme)
    self.EmitSignal(MAIN_IFACE, 'SettingChanged', 'ssv',
                    ['org.freedesktop.appearance', 'color-scheme', self.color_scheme])


@dbus.service.method(MOCK_IFACE, in_signature='', out_signature='u')
def Held(self):
    return dbus.UInt32(self.held)
