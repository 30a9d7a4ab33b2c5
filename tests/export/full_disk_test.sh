#!/usr/bin/env bash
# The export tool past a file-size limit, as on a nearly full disk: exit 1, the reason in
# German, the old file untouched, no leftovers, and no libpng line. Also Qt's help texts German.
# Usage: full_disk_test.sh TOOL
set -u
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen
status=0
fail() {
    echo "$*" >&2
    status=1
}
for ext in pdf png svg; do
    printf 'altes Blatt\n' >"$dir/blatt.$ext"
    err=$(ulimit -f 40 && "$tool" -o "$dir/blatt.$ext" 6 10 15 2>&1)
    code=$?
    [[ $code -eq 1 ]] || fail "$ext: exit $code"
    [[ $err == *"kann nicht geschrieben werden (Datei zu groß)"* ]] || fail "$ext: $err"
    [[ $err != *libpng* ]] || fail "$ext: $err"
    [[ $(cat "$dir/blatt.$ext") == "altes Blatt" ]] || fail "$ext: the old file was replaced"
    [[ $(ls -A "$dir") == "blatt.$ext" ]] || fail "$ext: left behind: $(ls -A "$dir")"
    rm -f "$dir/blatt.$ext"
done
help=$("$tool" --help)
[[ $help == *"Optionen:"*"Zeigt Hilfe"* ]] || fail "help not German: $help"
exit $status
