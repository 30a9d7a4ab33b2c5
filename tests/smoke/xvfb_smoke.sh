#!/usr/bin/env bash
# The real window on a virtual X server (xcb): its exact title, covering the screen, and the
# chart on a screenshot. Usage: xvfb_smoke.sh PROGRAM OUTPUT_DIR
set -euo pipefail
mkdir -p "$2"
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" >"$2/program.log" 2>&1 &
    trap "kill $! 2>/dev/null || true" EXIT
    for _ in $(seq 100); do
        win=$(xdotool search --name "^Frankierungsproblem mit 3 Marken" 2>/dev/null | head -1)
        [[ -n $win ]] && break
        sleep 0.1
    done
    title=$(xdotool getwindowname "$win") || exit 1
    [[ $title == "Frankierungsproblem mit 3 Marken:     N = xA + yB + zC" ]] || exit 1
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$win")"
    ((WIDTH >= 1270 && HEIGHT >= 1000)) || { echo "Fenster nur ${WIDTH}x${HEIGHT}" >&2; exit 1; }
    import -window root "$2/smoke.png"' _ "$1" "$2"
# The chart's blue boxes on the screenshot.
count=$(convert "$2/smoke.png" -fill black +opaque "rgb(0,0,128)" -fill white -opaque "rgb(0,0,128)" \
    -format '%[fx:int(mean*w*h)]' info:)
((count >= 40)) || { echo "Das Diagramm fehlt im Bildschirmfoto" >&2; exit 1; }
