#!/usr/bin/env bash
# The driver as a process: which stream gets what with which exit code, and a full or closed
# standard output reported in German with exit 1, never taken for success.
driver=$1
status=0
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
expect() { # CODE STDOUT_PART STDERR_PART ARGS...; "" expects the stream empty
    local code=$1 out=$2 err=$3
    shift 3
    local got_out got_err got
    got_out=$("$driver" "$@" 2>"$errors")
    got=$?
    got_err=$(cat "$errors")
    if [[ $got -ne $code || ($out == "" && -n $got_out) || $got_out != *"$out"* ||
        ($err == "" && -n $got_err) || $got_err != *"$err"* ]]; then
        echo "$*: exit $got: $got_out | $got_err" >&2
        status=1
    fi
}
expect 0 '"StartABC":"30"' "" --json 6 10 15 200
expect 2 "" "Markenwert B" 6 2.5 15
expect 1 "" "Aufruf" 6 10
for args in "6 10 15" "--json 6 10 15"; do
    for redirect in ">/dev/full" ">&-"; do
        err=$(eval "\"\$driver\" $args 2>&1 $redirect")
        [[ $? -eq 1 && $err == *"nicht geschrieben"* ]] || { echo "$args $redirect: $err" >&2; status=1; }
    done
done
exit $status
