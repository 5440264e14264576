#!/usr/bin/env bash
# Copies the manual's pictures, which tst_help_pictures writes into build/pictures/handbuch
# from the shipped impact example under German settings, to docs/bilder. Run after a window
# changed: cmake --build build --target tst_help_pictures && scripts/update-doc-pictures.sh
set -euo pipefail
cd "$(dirname "$0")/.."
src=build/pictures/handbuch
dst=docs/bilder
(cd build && QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 tests/tst_help_pictures >/dev/null) ||
  { echo "tst_help_pictures failed"; exit 1; }
mkdir -p "$dst"
rm -f "$dst"/*.png
cp "$src"/*.png "$dst"/
echo "pictures copied to $dst"
