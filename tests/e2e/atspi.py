#!/usr/bin/python3
"""What a screen reader sees of the program through AT-SPI, as lines of text.

Usage: atspi.py COMMAND [ARGUMENTS]
  activar      turns on the session's screen-reader switch, as a desktop does
               when the user starts a screen reader;
  eventos      prints the events of every application, one a line, until it
               is killed; the first line, "listo", says the listeners are in
               place (start it before the program, which asks at its start
               which events anybody listens to);
  espera PID   waits (at most 10 s) until process PID is on the registry with
               a window, and prints the application's name and its windows;
  arbol PID    prints the whole tree of PID, one object a line, indented;
  foco PID     prints the focused object of PID;
  orca LOG DIR runs the screen reader Orca with its settings in DIR and its
               debug log, what it speaks included, in LOG.
An object's line is "role | name | description | states | actions | x,y wxh"
(the box in screen pixels); an event's line is
"type | detail1 detail2 | data | object line". Run it with /usr/bin/python3:
it needs Debian's python3-pyatspi.
"""
import runpy
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

# The events a screen reader follows to tell what changed.
EVENTOS = [
    "object:state-changed:focused",
    "object:state-changed:selected",
    "object:state-changed:showing",
    "object:active-descendant-changed",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:property-change:accessible-value",
    "object:text-changed",
    "object:announcement",
    "window:activate",
]


def linea(o):
    try:
        estados = ",".join(sorted(pyatspi.stateToString(s) for s in o.getState().getStates()))
        try:
            acc = o.queryAction()
            acciones = ",".join(acc.getName(i) for i in range(acc.nActions))
        except NotImplementedError:
            acciones = ""
        try:
            x, y, w, h = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            caja = "%d,%d %dx%d" % (x, y, w, h)
        except NotImplementedError:
            caja = ""
        return " | ".join([o.getRoleName(), o.name or "", o.description or "", estados,
                           acciones, caja])
    except Exception as e:  # an object that went away while it was asked
        return "(%s)" % e


def activar():
    # The bus launcher keeps the switch; ScreenReaderEnabled turns IsEnabled
    # on with it. Qt reads them once, when the program starts.
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    propiedades = ("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties")
    valor = GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled",
                                   GLib.Variant("b", True)))
    bus.call_sync(*propiedades, "Set", valor, None, Gio.DBusCallFlags.NONE, 5000, None)
    r = bus.call_sync(*propiedades, "Get", GLib.Variant("(ss)", ("org.a11y.Status", "IsEnabled")),
                      None, Gio.DBusCallFlags.NONE, 5000, None)
    return 0 if r.unpack()[0] else 1


def eventos():
    def al_llegar(ev):
        # The object as it is now, not as the client's cache last saw it: a
        # notification is renamed without an event before it shows.
        try:
            ev.source.clear_cache()
        except Exception:
            pass
        datos = ev.any_data
        if isinstance(datos, pyatspi.Accessible):
            # Qt sends the object itself, not the new text, with a change of
            # name or description.
            datos = "(el objeto)" if datos == ev.source else linea(datos)
        print(" | ".join([ev.type, "%s %s" % (ev.detail1, ev.detail2), str(datos or ""),
                          linea(ev.source)]), flush=True)

    pyatspi.Registry.registerEventListener(al_llegar, *EVENTOS)
    print("listo", flush=True)
    pyatspi.Registry.start()
    return 0


def programa(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except GLib.Error:  # an application that has just gone away
            pass
    return None


def espera(pid):
    limite = time.monotonic() + 10
    app = programa(pid)
    while app is None or app.childCount == 0:
        if time.monotonic() > limite:
            return None
        time.sleep(0.1)
        app = programa(pid)
    return app


def arbol(o, nivel=0):
    print("  " * nivel + linea(o))
    for i in range(o.childCount):
        hijo = o.getChildAtIndex(i)
        if hijo is not None:
            arbol(hijo, nivel + 1)


def enfocado(o):
    for i in range(o.childCount):
        hijo = o.getChildAtIndex(i)
        # Hidden panels are skipped; a point of the plot has no children and
        # is never "showing", so it is asked all the same.
        if hijo is not None and (hijo.childCount == 0 or
                                 hijo.getState().contains(pyatspi.STATE_SHOWING)):
            f = enfocado(hijo)
            if f is not None:
                return f
    return o if o.getState().contains(pyatspi.STATE_FOCUSED) else None


def orca(registro, preferencias):
    # What "orca -u DIR --debug-file LOG" does, but with the log written line
    # by line: Orca leaves the file block-buffered, so a reader would see what
    # it says about a key seconds later, or only when it ends.
    from orca import debug
    debug.debugLevel = debug.LEVEL_ALL
    debug.eventDebugLevel = debug.LEVEL_OFF
    debug.debugFile = open(registro, "w", buffering=1)
    sys.argv = ["orca", "-u", preferencias]
    runpy.run_path("/usr/bin/orca", run_name="__main__")


def main(orden, *args):
    if orden == "activar":
        return activar()
    if orden == "eventos":
        return eventos()
    if orden == "orca":
        return orca(*args)
    pid = int(args[0])
    app = espera(pid) if orden == "espera" else programa(pid)
    if app is None:
        print("el proceso %d no está en el registro de AT-SPI" % pid, file=sys.stderr)
        return 1
    if orden == "espera":
        print(app.name)
        for i in range(app.childCount):
            print(linea(app.getChildAtIndex(i)))
    elif orden == "arbol":
        arbol(app)
    elif orden == "foco":
        f = enfocado(app)
        if f is None:
            return 1
        print(linea(f))
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
