#!/usr/bin/env bash
# The English translation is complete and current: lupdate over the sources finds no text that
# the .ts file lacks, none it keeps in vain, and none left unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
ts=translations/frankierung_en.ts
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$ts" "$copy"
/usr/lib/qt6/bin/lupdate -silent -no-obsolete -locations none -source-language de \
    -target-language en app chart export window -ts "$copy"
if ! diff -u "$ts" "$copy" >&2; then
    echo "The translation is not current; run: lupdate -no-obsolete -locations none app chart export window -ts $ts" >&2
    exit 1
fi
if grep -n 'type="unfinished"' "$ts" >&2; then
    echo "Untranslated texts in $ts" >&2
    exit 1
fi
echo "translation complete"
