#!/usr/bin/env bash
# Screenshots of the start-up window under a virtual X server, at scale factors 1 and 2:
# docs/fenster.png (1280x1024) and docs/fenster-2x.png (2560x2048, QT_SCALE_FACTOR=2), and the
# English edition docs/window-en.png (1280x1024).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/window/frankierung}
mkdir -p docs
export XDG_RUNTIME_DIR
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

shoot() {
    local screen=$1 scale=$2 language=$3 file=$4
    LANGUAGE=$language QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24" bash -c '
        "$1" >/dev/null 2>&1 &
        pid=$!
        for _ in $(seq 1 100); do
            xdotool search --name "N = xA \+ yB \+ zC" >/dev/null 2>&1 && break
            sleep 0.1
        done
        sleep 1.5
        import -window root "$2"
        kill $pid' _ "$program" "$file"
    echo "$file"
}

shoot 1280x1024 1 de docs/fenster.png
shoot 2560x2048 2 de docs/fenster-2x.png
shoot 1280x1024 1 en docs/window-en.png
