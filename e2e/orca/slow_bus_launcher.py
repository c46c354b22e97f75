"""The desktop's accessibility bus launcher as a busy machine's may be: slow to tell a program the bus's address.

usage: slow_bus_launcher.py DELAY_SECONDS

Starts the accessibility bus (the D-Bus daemon with AT-SPI's own configuration, which starts the
registry when first asked) and, as the desktop's launcher does, tells programs its address on the X
display's root window and answers as org.a11y.Bus on the session bus: the accessibility status at
once, the address (GetAddress) only DELAY_SECONDS after a program asked. Runs until terminated.
"""

import signal
import subprocess
import sys

from gi.repository import Gio, GLib

ACCESSIBILITY_BUS_CONFIG = "/usr/share/defaults/at-spi2/accessibility.conf"
INTERFACES = """
<node>
  <interface name="org.a11y.Bus">
    <method name="GetAddress"><arg type="s" name="address" direction="out"/></method>
  </interface>
  <interface name="org.a11y.Status">
    <property name="IsEnabled" type="b" access="readwrite"/>
    <property name="ScreenReaderEnabled" type="b" access="readwrite"/>
  </interface>
</node>
"""


def main():
    delay_ms = int(float(sys.argv[1]) * 1000)
    bus = subprocess.Popen(["dbus-daemon", "--config-file=" + ACCESSIBILITY_BUS_CONFIG, "--nofork", "--print-address"],
                           stdout=subprocess.PIPE, text=True)
    address = bus.stdout.readline().strip()
    subprocess.run(["xprop", "-root", "-f", "AT_SPI_BUS", "8s", "-set", "AT_SPI_BUS", address], check=True)
    status = {"IsEnabled": True, "ScreenReaderEnabled": False}

    def on_call(_connection, _sender, _path, _interface, _method, _parameters, invocation):
        def answer():
            invocation.return_value(GLib.Variant("(s)", (address,)))
            return GLib.SOURCE_REMOVE
        GLib.timeout_add(delay_ms, answer)

    def on_get(_connection, _sender, _path, _interface, name):
        return GLib.Variant("b", status[name])

    def on_set(_connection, _sender, _path, _interface, name, value):
        status[name] = value.get_boolean()
        return True

    def on_bus(connection, _name):
        for interface in Gio.DBusNodeInfo.new_for_xml(INTERFACES).interfaces:
            connection.register_object("/org/a11y/bus", interface, on_call, on_get, on_set)

    loop = GLib.MainLoop()
    Gio.bus_own_name(Gio.BusType.SESSION, "org.a11y.Bus", Gio.BusNameOwnerFlags.NONE, on_bus, None,
                     lambda *_: loop.quit())
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
    try:
        loop.run()
    finally:
        bus.terminate()
        bus.wait()


if __name__ == "__main__":
    main()
