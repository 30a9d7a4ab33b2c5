#!/usr/bin/python3
"""Reads the window over AT-SPI as a screen reader would: finds it by its title, checks that
every control is there under its German name, reads the log and the hint line, types a stamp
value and presses "zeigen".

With --wait it only waits until the window is listed on the desktop."""

import sys
import time

import pyatspi

TITLE = "Frankierungsproblem mit 3 Marken:     N = xA + yB + zC"
ZEIGEN = "zeigen: Graphik aufbauen, Grenzen berechnen"
LETTERS = ("A", "B", "C")

# The accessible names of the window's 44 controls.
CONTROLS = [
    "Hauptbereich",
    "Legende und Eingabebereich",
    "Diagramm der darstellbaren Zahlen",
    "Hinweiszeile",
    "Beschriftung N =",
    "darzustellende Zahl",
    "Protokoll der Darstellungen",
    "Protokoll leeren",
    "Darstellungen anzeigen",
    "Bildlauf des Diagramms",
    "Posthorn",
    "Markenwerte und Grenzen",
    ZEIGEN,
    "Graphik und Protokoll löschen",
    "Beschriftung A, B, C",
    "Grenze für alle drei Markenwerte",
    "Rechenhinweis",
]
for _l in LETTERS:
    CONTROLS += [
        "Markenwert " + _l,
        "Plus-Knopf für Markenwert " + _l,
        "Minus-Knopf für Markenwert " + _l,
        "Beschriftung " + _l + "=",
        "Briefmarke für Markenwert " + _l,
        "Wert der Briefmarke " + _l,
    ]
for _pair in ("A, B", "B, C", "C, A"):
    CONTROLS += ["Beschriftung " + _pair, "Paarfeld " + _pair, "Grenze für das Paar " + _pair]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FEHLER: " + message)
    return condition


def find_frame():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for child in app:
            if child is not None and child.name == TITLE:
                return app, child
    return None, None


def wait_for(predicate, seconds):
    end = time.monotonic() + seconds
    while True:
        value = predicate()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.1)


def walk(node, depth=0, out=None):
    out = [] if out is None else out
    out.append((depth, node))
    for child in node:
        if child is not None:
            walk(child, depth + 1, out)
    return out


def fresh(node):
    # Without event listeners the client's cache never learns of changes.
    node.clearCache()
    return node


def text_of(node):
    return fresh(node).queryText().getText(0, -1)


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = next((i for i, n in enumerate(names) if n.lower() in ("press", "click")), 0)
    check(action.nActions > 0, "'%s' hat keine Aktion" % node.name)
    return action.doAction(index)


def main():
    if "--wait" in sys.argv:
        return 0 if wait_for(lambda: find_frame()[1], 20) else 1

    wait_for(lambda: find_frame()[1], 20)
    app, frame = find_frame()
    if not check(frame is not None, "kein Fenster mit dem Titel gefunden"):
        return 1
    print("Anwendung: %r, Fenster: %s %r" % (app.name, frame.getRoleName(), frame.name))

    nodes = walk(frame)
    by_name = {}
    for _, node in nodes:
        by_name.setdefault(node.name, node)
    print("%d Knoten im Baum; die ersten:" % len(nodes))
    for depth, node in nodes[:40]:
        print("  %s%s %r" % ("  " * depth, node.getRoleName(), node.name))

    check(len(CONTROLS) == 44, "die Liste der Steuerelemente ist nicht vollständig")
    for name in CONTROLS:
        node = by_name.get(name)
        if check(node is not None, "Steuerelement fehlt: %r" % name):
            print("  gefunden: %-12s %r" % (node.getRoleName(), name))

    zeigen = by_name.get(ZEIGEN)
    if zeigen is not None:
        check(zeigen.getRole() == pyatspi.ROLE_PUSH_BUTTON, "'zeigen' ist kein Knopf")
        check("Graphik aufbauen" in zeigen.description,
              "die Beschreibung von 'zeigen' trägt den Hinweis nicht: %r" % zeigen.description)

    log = by_name.get("Protokoll der Darstellungen")
    hint = by_name.get("Hinweiszeile")
    stamp_a = by_name.get("Markenwert A")
    bound_ab = by_name.get("Grenze für das Paar A, B")
    chart = by_name.get("Diagramm der darstellbaren Zahlen")
    if None in (log, hint, stamp_a, bound_ab, chart, zeigen):
        return 1

    log_text = text_of(log)
    check(log_text.startswith("."), "das Protokoll beginnt nicht mit '.': %r" % log_text[:40])
    check("200 = ( 0, 5, 10) * ( 6, 10, 15)" in log_text,
          "das Protokoll nennt 200 = ( 0, 5, 10) * ( 6, 10, 15) nicht")
    hint_text = text_of(hint)
    check(len(hint_text) == hint.queryText().characterCount, "die Hinweiszeile ist nicht lesbar")
    print("Hinweiszeile: %r" % hint_text)
    check(text_of(bound_ab).strip() == "16", "StartAB liest nicht 16: %r" % text_of(bound_ab))
    summary = fresh(chart).description
    print("Diagramm: %r" % summary)
    check(summary.startswith("Markenwerte 6, 10 und 15. Stabil ab: A, B 16;"),
          "das Diagramm ist nicht beschrieben: %r" % summary)

    editable = fresh(stamp_a).queryEditableText()
    check(editable.setTextContents("7"), "Markenwert A nimmt keinen Text an")
    check(wait_for(lambda: text_of(stamp_a) == "7", 5),
          "Markenwert A liest nicht 7: %r" % text_of(stamp_a))
    press(zeigen)
    check(wait_for(lambda: text_of(bound_ab) == " 54", 20),
          "StartAB liest nach 'zeigen' nicht ' 54': %r" % text_of(bound_ab))
    check(wait_for(lambda: "Markenwerte 7, 10 und 15." in fresh(chart).description, 10),
          "die Beschreibung des Diagramms folgt dem Lauf nicht: %r" % fresh(chart).description)
    after = text_of(log)
    check(after.startswith(log_text) and len(after) > len(log_text),
          "das Protokoll wächst nicht")
    check("( 7, 10, 15)" in after, "das Protokoll nennt die neuen Werte nicht")

    if failures:
        print("%d Fehler" % len(failures))
        return 1
    print("AT-SPI: alles gefunden")
    return 0


if __name__ == "__main__":
    sys.exit(main())
