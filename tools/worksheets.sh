#!/usr/bin/env bash
# The README's pictures of the worksheets: every kind for 6, 10, 15 as the export writes it,
# docs/blatt-diagramm.png, docs/blatt-uebung.png, docs/blatt-loesung.png, docs/blatt-warum.png and
# docs/blatt-warum-leer.png (one A4 page, 1000 pixels wide).
#   bash tools/worksheets.sh [PROGRAM]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/export/frankierung-chart}
mkdir -p docs
for kind in diagramm uebung loesung warum warum-leer; do
    LANGUAGE=de "$program" --art "$kind" --width 1000 -o "docs/blatt-$kind.png" 6 10 15
    echo "docs/blatt-$kind.png"
done
