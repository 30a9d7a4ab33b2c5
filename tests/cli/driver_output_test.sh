#!/usr/bin/env bash
# The driver on a full or closed standard output: a German message and exit 1, never success.
driver=$1
status=0
for args in "6 10 15" "--json 6 10 15"; do
    for redirect in ">/dev/full" ">&-"; do
        err=$(eval "\"\$driver\" $args 2>&1 $redirect")
        code=$?
        if [[ $code -ne 1 || $err != *"nicht geschrieben"* ]]; then
            echo "$args $redirect: exit $code: $err" >&2
            status=1
        fi
    done
done
exit $status
