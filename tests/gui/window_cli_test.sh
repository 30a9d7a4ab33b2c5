#!/usr/bin/env bash
# The window program's command line without a display: help and version answered, wrong
# arguments and a missing display refused in German with exit 1, Qt's own options accepted;
# in English where the environment asks for it.
program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
status=0
expect() { # CODE TEXT ARGS...: TEXT in stdout and stderr together
    local code=$1 text=$2 out
    shift 2
    out=$(timeout 20 "$program" "$@" 2>&1)
    local got=$?
    if [[ $got -ne $code || $out != *"$text"* ]]; then
        echo "$*: exit $got, expected $code: $out" >&2
        status=1
    fi
}
expect 0 "Zeigt Hilfe zu den Kommandozeilenoptionen an." --help
expect 0 "frankierung $version" -platform offscreen -reverse -v
expect 1 "Unbekannte Option: --fenster"$'\n'"Hilfe: frankierung --help" --fenster
expect 1 "Unerwartetes Argument: 6" 6
expect 1 "Keine Anzeige gefunden"
DISPLAY=:93 expect 1 "Keine Anzeige gefunden"
LANGUAGE=en expect 0 "A teaching tool for the postage stamp problem" --help
LANGUAGE=en expect 1 "Unexpected argument: 6"$'\n'"Help: frankierung --help" 6
exit $status
