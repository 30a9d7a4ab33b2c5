#!/usr/bin/env bash
# Opens the real window on a virtual X server with the accessibility bus running and reads it
# as a screen reader does, over AT-SPI.
# Usage: run_atspi_test.sh PROGRAM TEST_SCRIPT OUTPUT_DIR
# Exit code 77: no virtual display or no AT-SPI tools here; the test is skipped.
set -euo pipefail
program=$1
script=$2
out=$3
mkdir -p "$out"

skip() {
    echo "Übersprungen: $1" >&2
    exit 77
}
command -v xvfb-run >/dev/null || skip "xvfb-run fehlt, kein virtueller Bildschirm"
command -v dbus-run-session >/dev/null || skip "dbus-run-session fehlt"
[[ -x /usr/libexec/at-spi-bus-launcher ]] || skip "at-spi-bus-launcher fehlt (at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi fehlt (python3-pyatspi)"

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export QT_ACCESSIBILITY=1

xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -s "$program" "$script" "$out" <<'INNER'
set -euo pipefail
program=$1
script=$2
out=$3
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup EXIT

has_name() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}

if ! has_name org.a11y.Bus; then
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$out/bus-launcher.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 1 50); do
        has_name org.a11y.Bus && break
        sleep 0.1
    done
    has_name org.a11y.Bus || { echo "Der AT-SPI-Bus startet nicht" >&2; exit 1; }
fi

"$program" >"$out/program.log" 2>&1 &
pids+=($!)
program_pid=$!

# The window counts as there once the desktop lists an application with its frame.
if ! /usr/bin/python3 "$script" --wait; then
    echo "Das Programm erscheint nicht unter den Anwendungen des Desktops" >&2
    cat "$out/program.log" >&2
    exit 1
fi
/usr/bin/python3 "$script"
kill -0 "$program_pid" || { echo "Das Programm lief nicht mehr" >&2; exit 1; }
INNER
