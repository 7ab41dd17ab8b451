#!/usr/bin/python3
# Walks a running Trivane through AT-SPI, the interface screen readers use, and checks
# what they would hear: the window's role, the diagrams' description, a refused entry's
# reason with its change event, and the memory slots. Started by scripts/check-atspi.
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def find_app(name, seconds=10):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    return None


def walk(node, out):
    out.append(node)
    for child in node:
        if child is not None:
            walk(child, out)


def by_name(nodes, name):
    return [n for n in nodes if n.name == name]


def pump(seconds):
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while time.time() < deadline:
        context.iteration(False)
        time.sleep(0.01)


app = find_app(sys.argv[1] if len(sys.argv) > 1 else "trivane")
if app is None:
    print("FAIL the program never appeared on the accessibility bus")
    sys.exit(1)
window = app[0]
check(window.getRoleName() in ("frame", "window"), "the window is a " + window.getRoleName())

nodes = []
walk(window, nodes)
plot = by_name(nodes, "Phasor diagrams")
check(len(plot) == 1 and plot[0].getRoleName() == "image",
      "the diagrams are an image: %s" % [p.getRoleName() for p in plot])
check(plot and plot[0].description.startswith("Nothing is drawn yet"),
      "before a conversion: " + (plot[0].description if plot else ""))

events = []
pyatspi.Registry.registerEventListener(
    lambda e: events.append((e.source.name, e.source.description)),
    "object:property-change:accessible-description")

field = by_name(nodes, "Phase B magnitude")[0]
field.queryEditableText().setTextContents("12a")
convert = by_name(nodes, "Convert ABC polar")[0]
convert.queryAction().doAction(0)
pump(1.0)
check(field.description == "Not a number", "the refused field says: " + field.description)
check(("Phase B magnitude", "Not a number") in events,
      "its description change was announced: %s" % events)
check(plot[0].description.startswith("Nothing is drawn"), "after it: " + plot[0].description)

field.queryEditableText().setTextContents("8")
for name, text in (("Phase A magnitude", "10"), ("Phase C magnitude", "12"),
                   ("Phase B angle in degrees", "-110"), ("Phase C angle in degrees", "125")):
    by_name(nodes, name)[0].queryEditableText().setTextContents(text)
convert.queryAction().doAction(0)
pump(1.0)
check(field.description == "", "the mark's reason is gone: '%s'" % field.description)
check("|V2|/|V1| 15.9 %" in plot[0].description, "the diagrams: " + plot[0].description)
slot = by_name(nodes, "Memory slot 1")[0]
check(slot.description.startswith("A 10 at 0.0°, B 8 at −110°, C 12 at 125°")
      and slot.description.endswith("the newest case"), "memory slot 1: " + slot.description)

print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
