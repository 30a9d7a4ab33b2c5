#!/usr/bin/python3
"""Reads the window over AT-SPI as a screen reader would: the controls under their German
names, the log, the chart's description; then types a stamp value and presses "zeigen".
With --wait it only waits until the window is listed on the desktop."""
import sys
import time

import pyatspi

TITLE = "Frankierungsproblem mit 3 Marken:     N = xA + yB + zC"
ZEIGEN = "zeigen: Graphik aufbauen, Grenzen berechnen"
# One of each kind; with its menus and frame the window shows 51 distinct names, one for each
# of its 44 controls.
NAMES = [ZEIGEN, "Markenwert A", "Plus-Knopf für Markenwert B", "Wert der Briefmarke C",
         "Grenze für das Paar A, B", "Protokoll der Darstellungen", "Diagramm der darstellbaren Zahlen"]

def frame():
    for app in pyatspi.Registry.getDesktop(0):
        for child in app or []:
            if child is not None and child.name == TITLE:
                return child
    return None


def wait_for(predicate, seconds):
    end = time.monotonic() + seconds
    while not predicate() and time.monotonic() < end:
        time.sleep(0.1)
    return predicate()


def text(node):
    node.clearCache()  # without event listeners the cache never learns of changes
    return node.queryText().getText(0, -1)


def main():
    if not wait_for(frame, 20):
        return 1
    if "--wait" in sys.argv:
        return 0
    nodes = {}
    pending = [frame()]
    while pending:
        node = pending.pop()
        nodes.setdefault(node.name, node)
        pending += [child for child in node if child is not None]
    failures = ["fehlt: " + name for name in NAMES if name not in nodes]
    if len(nodes) < 51:
        failures.append("nur %d benannte Elemente" % len(nodes))
    zeigen, stamp, bound = nodes[ZEIGEN], nodes["Markenwert A"], nodes["Grenze für das Paar A, B"]
    log, chart = nodes["Protokoll der Darstellungen"], nodes["Diagramm der darstellbaren Zahlen"]
    checks = [(zeigen.getRole() == pyatspi.ROLE_PUSH_BUTTON, "'zeigen' ist kein Knopf"),
              ("200 = ( 0, 5, 10) * ( 6, 10, 15)" in text(log), "das Protokoll ist nicht lesbar"),
              (chart.description.startswith("Markenwerte 6, 10 und 15. Stabil ab: A, B 16;"),
               "das Diagramm ist nicht beschrieben: " + chart.description)]
    stamp.queryEditableText().setTextContents("7")
    zeigen.queryAction().doAction(0)
    checks += [(wait_for(lambda: text(bound) == " 54", 20), "StartAB liest nicht ' 54'"),
               (wait_for(lambda: "( 7, 10, 15)" in text(log), 5), "das Protokoll wächst nicht")]
    failures += [message for ok, message in checks if not ok]
    print("\n".join(failures) or "AT-SPI: alles gefunden")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
