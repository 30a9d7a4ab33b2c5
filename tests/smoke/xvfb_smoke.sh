#!/usr/bin/env bash
# Opens the real window on a virtual X server (xcb): the exact title, the window covering the
# screen, and the chart's colours on a screenshot.
# Usage: xvfb_smoke.sh PROGRAM OUTPUT_DIR
set -euo pipefail
program=$1
out=$2
mkdir -p "$out"
for tool in xvfb-run xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "Werkzeug fehlt: $tool (bash tools/setup.sh installiert es)" >&2
        exit 1
    fi
done

export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$program" "$out" <<'INNER'
set -euo pipefail
program=$1
out=$2
title='Frankierungsproblem mit 3 Marken:     N = xA + yB + zC'
"$program" >"$out/program.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
win=
for _ in $(seq 1 100); do
    win=$(xdotool search --name "^Frankierungsproblem mit 3 Marken" 2>/dev/null | head -1 || true)
    [[ -n $win ]] && break
    sleep 0.1
done
if [[ -z $win ]]; then
    echo "Kein Fenster mit dem Titel gefunden" >&2
    cat "$out/program.log" >&2
    exit 1
fi
[[ $(xdotool getwindowname "$win") == "$title" ]] || { echo "Titel falsch" >&2; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "Fenster: ${WIDTH}x${HEIGHT} bei ${X},${Y}"
if ((WIDTH < 1270 || HEIGHT < 1000)); then
    echo "Das Fenster bedeckt den Bildschirm nicht: ${WIDTH}x${HEIGHT}" >&2
    exit 1
fi
import -window root "$out/smoke.png"
kill -0 $pid || { echo "Das Programm lief nicht mehr" >&2; exit 1; }
INNER

# The chart's colours: blue, green and cyan boxes, yellow rings on blue, white strips.
fail=0
for colour in "0,0,128" "0,128,0" "0,128,128" "255,255,0" "255,255,255" "224,224,224"; do
    count=$(convert "$out/smoke.png" -fill black +opaque "rgb($colour)" -fill white -opaque "rgb($colour)" \
        -format '%[fx:int(mean*w*h)]' info:)
    echo "rgb($colour): $count Pixel"
    if ((count < 40)); then
        echo "Farbe rgb($colour) fehlt im Bildschirmfoto" >&2
        fail=1
    fi
done
exit $fail
