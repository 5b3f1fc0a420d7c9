#!/usr/bin/python3
'''A desktop panel's stand-in on a private session bus, for the tests:

    sni_watcher.py LOG

Owns org.kde.StatusNotifierWatcher with a host registered, so that Qt shows
its tray icon as a StatusNotifierItem; reads each registered item's Title,
ToolTip and IconPixmap as a host does, at its registration and at each of its
New* signals; and listens to the launcher-entry signal that task managers
read. Writes one JSON object a line to LOG: {"item": ..., "properties": ...},
{"gone": item} when the item's owner leaves the bus, {"launcher": [uri,
properties]}. Exits on SIGTERM.
'''
import json
import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = 'org.kde.StatusNotifierWatcher'
ITEM = 'org.kde.StatusNotifierItem'
PROPERTIES = 'org.freedesktop.DBus.Properties'
# Qt reads a property only where the introspection declares it.
INTROSPECTION = f'''<node><interface name="{WATCHER}">
 <method name="RegisterStatusNotifierItem"><arg direction="in" type="s"/></method>
 <method name="RegisterStatusNotifierHost"><arg direction="in" type="s"/></method>
 <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
 <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
 <property name="ProtocolVersion" type="i" access="read"/>
 <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
 <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
 <signal name="StatusNotifierHostRegistered"/>
</interface><interface name="{PROPERTIES}">
 <method name="Get"><arg direction="in" type="s"/><arg direction="in" type="s"/>
  <arg direction="out" type="v"/></method>
 <method name="GetAll"><arg direction="in" type="s"/><arg direction="out" type="a{{sv}}"/></method>
</interface></node>'''


def plain(value):
    '''D-Bus values as JSON: a pixmap's bytes become their count.'''
    if isinstance(value, dbus.Array) and value.signature == 'y':
        return len(value)
    if isinstance(value, (dbus.Array, dbus.Struct, list, tuple)):
        return [plain(v) for v in value]
    if isinstance(value, dbus.Dictionary):
        return {str(k): plain(v) for k, v in value.items()}
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (dbus.Double,)):
        return float(value)
    if isinstance(value, (int, dbus.Byte)):
        return int(value)
    return str(value)


class Watcher(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, '/StatusNotifierWatcher')
        self.bus, self.log, self.items = bus, log, {}
        bus.add_signal_receiver(self.owner_changed, 'NameOwnerChanged',
                                'org.freedesktop.DBus', 'org.freedesktop.DBus')
        bus.add_signal_receiver(self.launcher, 'Update', 'com.canonical.Unity.LauncherEntry')
        bus.add_signal_receiver(self.changed, None, ITEM, sender_keyword='sender',
                                member_keyword='member')

    def write(self, record):
        self.log.write(json.dumps(record) + '\n')
        self.log.flush()

    def read(self, service, path):
        def got(values):
            self.write({'item': service, 'properties': {
                k: plain(values.get(k)) for k in ('Title', 'ToolTip', 'IconPixmap', 'Status')}})
        self.bus.get_object(service, path, introspect=False).GetAll(
            ITEM, dbus_interface=PROPERTIES, reply_handler=got,
            error_handler=lambda e: self.write({'error': str(e)}))

    def changed(self, *args, sender=None, member=None):
        if member and member.startswith('New') and sender in self.items:
            self.read(self.items[sender][0], self.items[sender][1])

    def owner_changed(self, name, old, new):
        for owner, (service, _) in list(self.items.items()):
            if not new and name in (owner, service):
                del self.items[owner]
                self.write({'gone': service})
                self.StatusNotifierItemUnregistered(service)

    def launcher(self, uri, properties):
        self.write({'launcher': [str(uri), plain(properties)]})

    @dbus.service.method(WATCHER, in_signature='s', sender_keyword='sender')
    def RegisterStatusNotifierItem(self, service, sender=None):
        path = service if service.startswith('/') else '/StatusNotifierItem'
        name = sender if service.startswith('/') else service
        self.items[sender] = (name, path)
        self.StatusNotifierItemRegistered(name)
        self.read(name, path)

    @dbus.service.method(WATCHER, in_signature='s')
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature='s')
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature='s')
    def StatusNotifierItemUnregistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature='')
    def StatusNotifierHostRegistered(self):
        pass

    def values(self):
        return {'RegisteredStatusNotifierItems': dbus.Array(
                    [s for s, _ in self.items.values()], signature='s'),
                'IsStatusNotifierHostRegistered': True, 'ProtocolVersion': dbus.Int32(0)}

    @dbus.service.method('org.freedesktop.DBus.Introspectable', out_signature='s')
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(PROPERTIES, in_signature='ss', out_signature='v')
    def Get(self, interface, name):
        return self.values()[name]

    @dbus.service.method(PROPERTIES, in_signature='s', out_signature='a{sv}')
    def GetAll(self, interface):
        return self.values()


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    with open(sys.argv[1], 'a', encoding='utf-8') as log:
        watcher = Watcher(bus, log)
        name = dbus.service.BusName(WATCHER, bus)  # held while this runs
        loop = GLib.MainLoop()
        GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
        watcher.write({"ready": name.get_name()})
        loop.run()


if __name__ == '__main__':
    main()
