#!/usr/bin/env bash
# The three programs' command lines as processes: help and version that do not reach standard
# output end with exit 1; the survey tells its version; the export prints only its own messages
# when run from cron (no session, no display) and writes through links, refusing a read-only file.
survey=$(realpath "$1") chart=$(realpath "$2") window=$(realpath "$3") version=$4
dir=$(mktemp -d)
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
status=0
report() { echo "$*" >&2; status=1; }

for program in "$survey" "$chart" "$window"; do
    for args in --help --version; do
        for redirect in ">/dev/full" ">&-"; do
            err=$(eval "\"\$program\" $args 2>&1 $redirect")
            [[ $? -eq 1 && -n $err ]] || report "$program $args $redirect: exit 0 or silent: $err"
        done
    done
done
[[ $("$survey" --version) == "frankierung-survey $version" ]] || report "survey --version"

# As from cron: an empty environment, no XDG_RUNTIME_DIR.
err=$(cd "$dir" && env -i PATH="$PATH" "$chart" -o cron.pdf 6 10 15 2>&1)
[[ $? -eq 0 && -z $err && -s $dir/cron.pdf ]] || report "from cron: $err"

# A symbolic link stays a link and its target gets the sheet; hard links keep sharing the file.
echo alt >"$dir/ziel.png"
ln -s ziel.png "$dir/link.png"
"$chart" -o "$dir/link.png" 6 10 15 || report "link: exit $?"
[[ -L $dir/link.png && $(file -b "$dir/ziel.png") == PNG* ]] || report "link: target untouched"
echo alt >"$dir/eins.png"
ln "$dir/eins.png" "$dir/zwei.png"
"$chart" -o "$dir/zwei.png" 6 10 15 || report "hard link: exit $?"
[[ $dir/eins.png -ef $dir/zwei.png && $(file -b "$dir/eins.png") == PNG* ]] ||
    report "hard link: names parted"

# A read-only file is refused with the reason and keeps its bytes (also for root).
echo alt >"$dir/fest.png"
chmod 444 "$dir/fest.png"
err=$(LANGUAGE=de "$chart" -o "$dir/fest.png" 6 10 15 2>&1)
[[ $? -eq 1 && $err == *"Zugriff verweigert"* && $(cat "$dir/fest.png") == alt ]] ||
    report "read-only: $err"
exit $status
