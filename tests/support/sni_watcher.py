#!/usr/bin/python3
# A desktop panel's stand-in on the session bus, for the tests:  sni_watcher.py LOG
# Owns org.kde.StatusNotifierWatcher with a host registered, so that Qt shows its
# tray icon as a StatusNotifierItem; reads each registered item's properties as a
# host does, at its registration and at each of its New* signals; and listens to
# the launcher-entry signal. Writes one JSON object a line to LOG: {"item":
# properties}, {"gone": sender} when the item leaves, {"launcher": [uri,
# properties]}. Exits on SIGTERM.
import json
import signal
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER, ITEM = 'org.kde.StatusNotifierWatcher', 'org.kde.StatusNotifierItem'
# Qt reads a property only where the introspection declares it.
INTROSPECTION = f'''<node><interface name="{WATCHER}">
 <method name="RegisterStatusNotifierItem"><arg direction="in" type="s"/></method>
 <property name="IsStatusNotifierHostRegistered" type="b" access="read"/></interface></node>'''


class Watcher(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, '/StatusNotifierWatcher')
        self.bus, self.log, self.items = bus, log, {}
        bus.add_signal_receiver(lambda name, old, new: self.items.pop(name, None) and not new
                                and self.write({'gone': name}), 'NameOwnerChanged')
        bus.add_signal_receiver(lambda uri, values: self.write({'launcher': [uri, values]}),
                                'Update', 'com.canonical.Unity.LauncherEntry')
        bus.add_signal_receiver(lambda *_, sender, member: member.startswith('New') and
                                sender in self.items and self.read(sender), None, ITEM,
                                sender_keyword='sender', member_keyword='member')

    def write(self, record):
        self.log.write(json.dumps(record, default=lambda v: len(v)) + '\n')  # pixmaps: their size
        self.log.flush()

    def read(self, sender):
        self.bus.get_object(sender, self.items[sender], introspect=False).GetAll(
            ITEM, dbus_interface='org.freedesktop.DBus.Properties', byte_arrays=True,
            reply_handler=lambda v: self.write({'item': {k: v.get(k) for k in (
                'Title', 'ToolTip', 'IconPixmap')}}), error_handler=print)

    @dbus.service.method(WATCHER, in_signature='s', sender_keyword='sender')
    def RegisterStatusNotifierItem(self, service, sender=None):
        self.items[sender] = service if service.startswith('/') else '/StatusNotifierItem'
        self.read(sender)

    @dbus.service.method('org.freedesktop.DBus.Introspectable', out_signature='s')
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method('org.freedesktop.DBus.Properties', in_signature='ss', out_signature='v')
    def Get(self, _, name):
        return name == 'IsStatusNotifierHostRegistered'  # the one property Qt reads


DBusGMainLoop(set_as_default=True)
with open(sys.argv[1], 'a', encoding='utf-8') as out:
    watcher = Watcher(dbus.SessionBus(), out)
    name = dbus.service.BusName(WATCHER, watcher.bus)  # held while this runs
    loop = GLib.MainLoop()
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    watcher.write({'ready': name.get_name()})
    loop.run()
