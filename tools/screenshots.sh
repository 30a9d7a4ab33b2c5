#!/usr/bin/env bash
# Screenshots under a virtual X server: the start-up window at scale factors 1 and 2,
# docs/fenster.png (1280x1024) and docs/fenster-2x.png (2560x2048, QT_SCALE_FACTOR=2), the English
# edition docs/window-en.png (1280x1024), and "Warum?" (1280x1024) for 6, 10, 15 with N = 29
# (docs/warum.png) and for 6, 10, 14 with N = 8 (docs/warum-teiler.png), and the worksheet dialog
# (Ctrl+B) on the exercise for 6, 10, 15 (docs/arbeitsblatt-dialog.png).
#   bash tools/screenshots.sh [PROGRAM] [SCREEN SCALE DIRECTORY]
# With the last three arguments only the two "Warum?" pictures are taken, at that screen size
# and scale factor, into that directory: for looking at other sizes (1024x768 1, 2560x2048 2).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/window/frankierung}
mkdir -p docs
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# shoot SCREEN SCALE LANGUAGE FILE [ACTIONS]: ACTIONS run once the window is up.
shoot() {
    local screen=$1 scale=$2 language=$3 file=$4 actions=${5:-}
    LANGUAGE=$language QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
        "$1" >/dev/null 2>&1 &
        pid=$!
        for _ in $(seq 1 100); do
            xdotool search --name "N = xA \+ yB \+ zC" >/dev/null 2>&1 && break
            sleep 0.1
        done
        sleep 1.5
        eval "$3"
        import -window root "$2"
        kill $pid' _ "$program" "$file" "$actions"
    echo "$file"
}

# The xdotool calls that type the amount N (and with "minus" first lower C by one), list its
# representations and open "Warum?" with Ctrl+E, for a window covering a screen of W x H logical
# pixels at scale factor S. The places follow the window's arrangement: the container from 1 %
# of the width and 100 twips below the menu bar, the amount box at 85-92 % of its width, the
# input frame at 2/50 and 4.2/20 of the legend, the designed twips inside it.
why() {
    awk -v W="$1" -v H="$2" -v S="$3" -v N="$4" -v minus="${5:-}" 'BEGIN {
        top = 31; left = 0.01 * W; width = 0.97 * W; height = H - 80
        fx = left + 2 / 50 * 0.16 * width; fy = top + 4.2 / 20 * 0.96 * height
        at = "xdotool mousemove %d %d click 1; sleep 0.5; "
        printf "xdotool search --name \"N = xA\" windowfocus; sleep 0.3; "
        if (minus == "minus") printf at, S * (fx + 98), S * (fy + 143)
        printf at, S * (left + 0.885 * width), S * (top + 0.02 * height)
        printf "xdotool key ctrl+a; xdotool type --delay 50 %s; sleep 0.3; ", N
        printf at, S * (left + 0.95 * width), S * (top + 0.02 * height)
        printf "xdotool key ctrl+e; sleep 1.5"
    }'
}

if [[ $# -ge 4 ]]; then
    read -r w h <<<"${2/x/ }"
    scale=$3 dir=$4
    mkdir -p "$dir"
    shoot "$2" "$scale" de "$dir/warum.png" "$(why $((w / scale)) $((h / scale)) "$scale" 29)"
    shoot "$2" "$scale" de "$dir/warum-teiler.png" \
        "$(why $((w / scale)) $((h / scale)) "$scale" 8 minus)"
    exit
fi
shoot 1280x1024 1 de docs/fenster.png
shoot 2560x2048 2 de docs/fenster-2x.png
shoot 1280x1024 1 en docs/window-en.png
shoot 1280x1024 1 de docs/warum.png "$(why 1280 1024 1 29)"
shoot 1280x1024 1 de docs/warum-teiler.png "$(why 1280 1024 1 8 minus)"
# The kind list has the focus when the dialog opens: Down chooses the exercise.
shoot 1280x1024 1 de docs/arbeitsblatt-dialog.png \
    'xdotool search --name "N = xA" windowfocus; sleep 0.3; xdotool key ctrl+b; sleep 1.5; xdotool key Down; sleep 1'
