#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop user gets: every
# file in its place, a valid desktop entry, valid AppStream metadata, a mime type that
# recognises project files by their first line, and help documents with their headings.
set -euo pipefail
build_dir=$1
source_dir=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" > /dev/null

expected=(
  bin/tavix-schallschutz
  share/applications/tavix-schallschutz.desktop
  share/metainfo/de.tavix_info.schallschutz.metainfo.xml
  share/mime/packages/tavix-schallschutz.xml
  share/icons/hicolor/scalable/apps/tavix-schallschutz.svg
  share/icons/hicolor/16x16/apps/tavix-schallschutz.png
  share/icons/hicolor/48x48/apps/tavix-schallschutz.png
  share/icons/hicolor/256x256/apps/tavix-schallschutz.png
  share/doc/tavix-schallschutz/Handbuch.pdf
  share/doc/tavix-schallschutz/Berechungsgrundlagen.pdf
  share/doc/tavix-schallschutz/Tavix_Praxistipps.pdf
  share/doc/tavix-schallschutz/copyright
  share/doc/tavix-schallschutz/changelog.gz
  share/doc/tavix-schallschutz/beispiele/worked-example.dat
  share/doc/tavix-schallschutz/beispiele/floor-example.dat
  share/doc/tavix-schallschutz/beispiele/impact-example.dat
  share/tavix-schallschutz/catalogues/VS_Wand.lib
  share/tavix-schallschutz/catalogues/VS_Decke.lib
  share/tavix-schallschutz/catalogues/VS_Estrich.lib
  share/man/man1/tavix-schallschutz.1.gz
)
for f in "${expected[@]}"; do
  [ -s "$prefix/$f" ] || { echo "missing in the install tree: $f"; exit 1; }
done

desktop-file-validate "$prefix/share/applications/tavix-schallschutz.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/de.tavix_info.schallschutz.metainfo.xml"

# The mime database must take our project files by content and leave other .dat files alone.
mkdir -p "$prefix/mimedb/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/mimedb/mime/packages/"
cp "$prefix/share/mime/packages/tavix-schallschutz.xml" "$prefix/mimedb/mime/packages/"
update-mime-database "$prefix/mimedb/mime" > /dev/null 2>&1
grep -q 'Projektdaten: Tavix-Schallschutzrechner' "$prefix/mimedb/mime/magic"

# Help documents: A4 pages, their title and headings in the text.
check_pdf() {
  local pdf=$1 min_pages=$2; shift 2
  local pages
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  [ "$pages" -ge "$min_pages" ] || { echo "$pdf: $pages pages, expected at least $min_pages"; exit 1; }
  pdfinfo "$pdf" | grep -q 'Page size: *595 x 842' || { echo "$pdf: not A4"; exit 1; }
  local text
  text=$(pdftotext -layout "$pdf" -)
  for heading in "$@"; do
    grep -qF "$heading" <<< "$text" || { echo "$pdf: heading '$heading' missing"; exit 1; }
  done
}
doc=$prefix/share/doc/tavix-schallschutz
check_pdf "$doc/Handbuch.pdf" 4 "Handbuch" "Das Hauptfenster" "Bauteilaufbau" "Vorsatzschalen" \
  "Stoßstellen" "Variantenuntersuchung" "Druckvorschau" "Projektdateien"
check_pdf "$doc/Berechungsgrundlagen.pdf" 5 "Berechnungsgrundlagen" "Der Rechengang" \
  "Die zwanzig Stoßstellen" "Vorsatzschalen" "Massekurven" "Rechenbeispiel 1" "Rechenbeispiel 2" \
  "Nachweis der Anforderung"
check_pdf "$doc/Tavix_Praxistipps.pdf" 2 "Praxistipps" "Schwere Flanken" "Entkoppelte Stoßstellen" \
  "Typische Fehler"

# The installed program runs and finds nothing missing to start.
QT_QPA_PLATFORM=offscreen "$prefix/bin/tavix-schallschutz" --version | grep -q '2.0'
echo "install tree complete"
