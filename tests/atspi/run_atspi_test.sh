#!/usr/bin/env bash
# The real window on a virtual X server with the accessibility bus, read as a screen reader does.
# Usage: run_atspi_test.sh PROGRAM TEST_SCRIPT OUTPUT_DIR. Without the tools it exits 77
# (skipped), unless FRANKIERUNG_REQUIRE_TOOLS=1: CI installs them, so there it fails.
set -euo pipefail
missing() { echo "$1 fehlt" >&2; exit $((${FRANKIERUNG_REQUIRE_TOOLS:-0} ? 1 : 77)); }
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || missing "$tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing pyatspi
mkdir -p "$3"
export XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$3/bus.log" 2>&1 &
    bus=$!
    # A program started before the accessibility bus is up never joins it.
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
        sleep 0.1
    done
    "$1" >"$3/program.log" 2>&1 &
    program=$!
    trap "kill $bus $program 2>/dev/null || true" EXIT
    /usr/bin/python3 "$2" --wait || { cat "$3/program.log" >&2; exit 1; }
    /usr/bin/python3 "$2" || exit 1
    kill -0 $program' _ "$1" "$2" "$3"
