#!/usr/bin/env bash
# The window program's command line without any display: help and version answered, wrong
# options and a missing display refused in German with exit 1, Qt's own options accepted.
# Usage: window_cli_test.sh PROGRAM VERSION
set -u
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
status=0
# expect CODE STDOUT-PART STDERR-PART ARGS...
expect() {
    local code=$1 out_part=$2 err_part=$3
    shift 3
    local out err got
    out=$(timeout 20 "$program" "$@" 2>"$tmp")
    got=$?
    err=$(<"$tmp")
    if [[ $got -ne $code || $out != *"$out_part"* || $err != *"$err_part"* ]]; then
        echo "$*: exit $got, expected $code; stdout: $out; stderr: $err" >&2
        status=1
    fi
}
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
expect 0 "Optionen:" "" --help
expect 0 "Zeigt Hilfe zu den Kommandozeilenoptionen an." "" -h
expect 0 "frankierung $version" "" --version
expect 0 "frankierung $version" "" -platform offscreen -reverse -v
expect 1 "" "Unbekannte Option: --fenster"$'\n'"Hilfe: frankierung --help" --fenster
expect 1 "" "Unerwartetes Argument: 6" 6
expect 1 "" "Keine Anzeige gefunden"
DISPLAY=:93 expect 1 "" "Keine Anzeige gefunden"
exit $status
