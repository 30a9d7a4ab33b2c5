#!/usr/bin/env bash
# The export tool without any display (it finds the offscreen platform itself), past a file-size
# limit as on a nearly full disk: exit 1, the reason in German, the old file untouched, nothing
# left behind, no libpng line; and a German --help.
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
status=0
"$tool" -o "$dir/blatt.pdf" 6 10 15 && [[ -s $dir/blatt.pdf ]] || status=1
for ext in pdf png svg; do
    echo altes Blatt >"$dir/blatt.$ext"
    err=$(ulimit -f 20 && "$tool" -o "$dir/blatt.$ext" 6 10 15 2>&1)
    code=$?
    if [[ $code -ne 1 || $err != *"(Datei zu groß)."* || $err == *libpng* ||
        $(cat "$dir"/*) != "altes Blatt" ]]; then
        echo "$ext: exit $code: $err; left: $(ls -A "$dir")" >&2
        status=1
    fi
    rm -f "$dir"/*
done
[[ $("$tool" --help) == *"Optionen:"*"Zeigt Hilfe"* ]] || status=1
exit $status
