#!/usr/bin/python3
"""The program as a screen reader finds it through AT-SPI, as lines of text.

  atspi.py activar       turns on the session's screen-reader switch
  atspi.py eventos       prints the events a screen reader follows, one a
                         line, after a first line "listo"
  atspi.py arbol PID     waits (10 s at most) for process PID on the
                         registry and prints its tree, indented
  atspi.py accion PID NOMBRE ACCION
                         does the action ACCION ("Toggle", "Press") of the
                         first object of process PID named NOMBRE
  atspi.py orca LOG DIR  runs Orca, its settings in DIR, its log in LOG
An object's line is "role | name | description | states | actions | x,y wxh",
an event's "type | detail1 detail2 | object's line". Needs Debian's
python3-pyatspi, so /usr/bin/python3.
"""
import runpy
import sys
import time

import pyatspi
from gi.repository import Gio, GLib


def linea(o):
    try:
        estados = ",".join(sorted(pyatspi.stateToString(s) for s in o.getState().getStates()))
        try:
            acc = o.queryAction()
            acciones = ",".join(acc.getName(i) for i in range(acc.nActions))
        except NotImplementedError:
            acciones = ""
        x, y, w, h = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return " | ".join([o.getRoleName(), o.name or "", o.description or "", estados,
                           acciones, "%d,%d %dx%d" % (x, y, w, h)])
    except Exception as e:  # gone while it was asked, or without extents
        return "(%s)" % e


def activar():
    # ScreenReaderEnabled turns IsEnabled on with it; Qt reads them once,
    # when the program starts.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    destino = ("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties")
    def llamar(metodo, valor):
        return bus.call_sync(*destino, metodo, valor, None, Gio.DBusCallFlags.NONE, 5000, None)
    llamar("Set", GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                         GLib.Variant("b", True))))
    return 0 if llamar("Get", GLib.Variant("(ss)", ("org.a11y.Status", "IsEnabled"))).unpack()[0] else 1


def eventos():
    def al_llegar(ev):
        # The object as it is now: a notification is renamed before it shows.
        ev.source.clear_cache()
        print("%s | %s %s | %s" % (ev.type, ev.detail1, ev.detail2, linea(ev.source)), flush=True)

    pyatspi.Registry.registerEventListener(
        al_llegar, "object:state-changed:focused", "object:state-changed:showing",
        "object:property-change", "object:text-changed", "window:activate")
    print("listo", flush=True)
    pyatspi.Registry.start()
    return 0


def programa(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid and app.childCount:
                return app
        except GLib.Error:  # an application that has just gone away
            pass


def arbol(pid):
    def escribir(o, nivel):
        print("  " * nivel + linea(o))
        for i in range(o.childCount):
            if o.getChildAtIndex(i) is not None:
                escribir(o.getChildAtIndex(i), nivel + 1)

    limite = time.monotonic() + 10
    while programa(pid) is None:
        if time.monotonic() > limite:
            return 1
        time.sleep(0.1)
    escribir(programa(pid), 0)
    return 0


def accion(pid, nombre, accion):
    # As a switch or a voice command does it, without a key or the mouse.
    o = pyatspi.findDescendant(programa(pid), lambda d: d is not None and d.name == nombre)
    if o is None:
        return 1
    acc = o.queryAction()
    for i in range(acc.nActions):
        if acc.getName(i).lower() == accion.lower():
            return 0 if acc.doAction(i) else 1
    return 1


def orca(registro, preferencias):
    # "orca -u DIR --debug-file LOG", with the log written line by line:
    # Orca's own file is block-buffered, and a step's speech would show late.
    from orca import debug
    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    debug.debugFile = open(registro, "w", buffering=1)
    sys.argv = ["orca", "-u", preferencias]
    runpy.run_path("/usr/bin/orca", run_name="__main__")


if __name__ == "__main__":
    orden, args = sys.argv[1], sys.argv[2:]
    sys.exit({"activar": activar, "eventos": eventos, "orca": orca,
              "arbol": lambda pid: arbol(int(pid)),
              "accion": lambda pid, nombre, a: accion(int(pid), nombre, a)}[orden](*args))
