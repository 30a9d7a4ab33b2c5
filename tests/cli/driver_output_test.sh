#!/usr/bin/env bash
# The driver on a full or closed standard output: a German message and exit 1, never success.
# Usage: driver_output_test.sh DRIVER
set -u
driver=$1
status=0
for args in "6 10 15" "--json 6 10 15"; do
    # shellcheck disable=SC2086
    err=$("$driver" $args 2>&1 >/dev/full)
    code=$?
    if [[ $code -ne 1 || $err != *"nicht geschrieben"* ]]; then
        echo "/dev/full, $args: exit $code, stderr: $err" >&2
        status=1
    fi
    # shellcheck disable=SC2086
    err=$("$driver" $args 2>&1 >&-)
    code=$?
    if [[ $code -ne 1 || $err != *"nicht geschrieben"* ]]; then
        echo "closed stdout, $args: exit $code, stderr: $err" >&2
        status=1
    fi
done
exit $status
