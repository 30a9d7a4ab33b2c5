#!/usr/bin/env bash
# The real window on a virtual X server (xcb): its exact title, covering the screen, and the
# chart on a screenshot. At scale factor 1.5 (853 x 683 logical pixels) it is no larger than the
# screen; a factor below 1, which Qt paints only in part, is set aside with a note.
# Usage: xvfb_smoke.sh PROGRAM OUTPUT_DIR
set -euo pipefail
mkdir -p "$2"
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
program=$1 out=$2

# The window at scale factor $1 on a 1280 x 1024 screen: OUTPUT_DIR/$2.title, .geometry (shell
# variables), .log and .png.
shows() {
    QT_SCALE_FACTOR=$1 xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
        "$1" >"$2.log" 2>&1 &
        trap "kill $! 2>/dev/null || true" EXIT
        # A sanitizer build on a busy machine may take many seconds to show its window.
        for _ in $(seq 600); do
            win=$(xdotool search --name "^Frankierungsproblem mit 3 Marken" 2>/dev/null | head -1)
            [[ -n $win ]] && break
            sleep 0.1
        done
        [[ -n $win ]] || { echo "Kein Fenster nach einer Minute" >&2; exit 1; }
        xdotool getwindowname "$win" >"$2.title" || exit 1
        sleep 1
        xdotool getwindowgeometry --shell "$win" >"$2.geometry"
        import -window root "$2.png"' _ "$program" "$out/$2"
    eval "$(cat "$out/$2.geometry")"
    # The chart's blue boxes on the screenshot.
    blue=$(convert "$out/$2.png" -fill black +opaque "rgb(0,0,128)" -fill white \
        -opaque "rgb(0,0,128)" -format '%[fx:int(mean*w*h)]' info:)
    ((blue >= 40)) || { echo "Das Diagramm fehlt im Bildschirmfoto $2" >&2; exit 1; }
}

shows 1 smoke
[[ $(cat "$out/smoke.title") == "Frankierungsproblem mit 3 Marken:     N = xA + yB + zC" ]] || exit 1
((WIDTH >= 1270 && HEIGHT >= 1000)) || { echo "Fenster nur ${WIDTH}x${HEIGHT}" >&2; exit 1; }
# 683 logical pixels make 1024.5 screen pixels, which Qt rounds up.
shows 1.5 scale-1.5
((WIDTH <= 1280 && HEIGHT <= 1025)) || { echo "Fenster ${WIDTH}x${HEIGHT} bei 1,5" >&2; exit 1; }
! grep -q QT_SCALE_FACTOR "$out/scale-1.5.log" || exit 1
shows 0.75 scale-0.75
((WIDTH >= 1270 && HEIGHT >= 1000)) || { echo "Fenster nur ${WIDTH}x${HEIGHT} bei 0,75" >&2; exit 1; }
grep -q "QT_SCALE_FACTOR=0.75: Faktoren unter 1" "$out/scale-0.75.log" || exit 1
