#!/usr/bin/env bash
# Copies the window pictures that the picture tests write into build/pictures to
# docs/bilder, where the manual takes them from. Run after `./test.sh` when a window changed.
set -euo pipefail
cd "$(dirname "$0")/.."
src=build/pictures
dst=docs/bilder
mkdir -p "$dst"
while read -r from to; do
  [ -f "$src/$from" ] || { echo "missing: $src/$from (run ./test.sh first)"; exit 1; }
  cp "$src/$from" "$dst/$to"
done <<'MAP'
mainwindow_worked_wall.png hauptfenster.png
buildup_kind0.png bauteilaufbau.png
dialogs/TForm_DB_catalogue.png vorsatzschale.png
dialogs/TForm_SS_TS_TrennungR1.png stossstelle.png
results-window.png ergebnisse.png
nachweis_worked_wall.png nachweis.png
companysettings.png firmendaten.png
preview_worked_example.png druckvorschau.png
variant-study-RwDnTW.png varianten.png
MAP
echo "pictures copied to $dst"
