#!/usr/bin/python3
"""A stranger on the session bus that poses as a folder's meter.

Usage: bus_squatter.py NAME DATA_FOLDER COSTS [LOCK_FILE...]

It takes the lock files given (flock, as a meter would) and then owns NAME, answering at
/org/fernzahl/Meter with made-up figures: COSTS (a float) as every amount and DATA_FOLDER as the
folder it claims to meter. It prints "ready" once it owns the name and runs until it is killed.
"""

import fcntl
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

INTERFACE = "org.fernzahl.Meter1"


class Meter(dbus.service.Object):
    def __init__(self, bus, folder, costs):
        super().__init__(bus, "/org/fernzahl/Meter")
        amount = dbus.Double(costs)
        self.properties = {
            "Connected": dbus.Boolean(True), "Connection": "forged", "User": "stranger", "Device": "ttyS9",
            "Tariff": "none", "Started": "2026-01-01T00:00:00+01:00", "Seconds": dbus.UInt64(4711),
            "Units": dbus.UInt32(99), "Costs": amount, "SecondsToNextUnit": dbus.UInt64(1),
            "DataFolder": folder, "DailyCosts": amount, "WeeklyCosts": amount, "MonthlyCosts": amount,
            "TotalCosts": amount,
        }

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties if interface == INTERFACE else {}

    @dbus.service.method("org.freedesktop.DBus.Properties", in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.properties[name]


def main():
    name, folder, costs = sys.argv[1], sys.argv[2], float(sys.argv[3])
    locks = [open(path, "a") for path in sys.argv[4:]]
    for lock in locks:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    meter = Meter(bus, folder, costs)
    owned = dbus.service.BusName(name, bus, do_not_queue=True)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del meter, owned


if __name__ == "__main__":
    main()
