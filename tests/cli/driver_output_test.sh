#!/usr/bin/env bash
# The driver as a process: which stream gets what with which exit code, and a full or closed
# standard output reported in German with exit 1, never taken for success.
driver=$1
status=0
report() { echo "$*" >&2; status=1; }
out=$("$driver" --json 6 10 15 200 2>&1 >/dev/null)
[[ $? -eq 0 && -z $out ]] || report "json: $out"
[[ $("$driver" --json 6 10 15 200 2>/dev/null) == *'"StartABC":"30"'* ]] || report "json"
err=$("$driver" 6 2.5 15 2>&1 >/dev/null)
[[ $? -eq 2 && $err == *"Markenwert B"* && -z $("$driver" 6 2.5 15 2>/dev/null) ]] ||
    report "refusal: $err"
for args in "6 10 15" "--json 6 10 15"; do
    for redirect in ">/dev/full" ">&-"; do
        err=$(eval "\"\$driver\" $args 2>&1 $redirect")
        [[ $? -eq 1 && $err == *"nicht geschrieben"* ]] || report "$args $redirect: $err"
    done
done
exit $status
