#!/usr/bin/env bash
# Builds the Debian package, lets lintian judge it, installs it on this machine, starts
# the installed program and removes the package again. Needs root for dpkg; elsewhere
# the test is skipped (exit code 77).
set -euo pipefail
build_dir=$1
if [ "$(id -u)" -ne 0 ] || ! command -v dpkg > /dev/null; then
  echo "skipped: installing a package needs root and dpkg"
  exit 77
fi
out=$(mktemp -d)
trap 'rm -rf "$out"; dpkg -r tavix-schallschutz > /dev/null 2>&1 || true' EXIT

(cd "$build_dir" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/tavix-schallschutz_*.deb)
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || { echo "Depends lacks the Qt libraries"; exit 1; }
# The help documents need an opener and a PDF viewer; the texts are German with umlauts.
# (Fields are read into variables first: with pipefail, grep -q ending early fails the pipe.)
recommends=$(dpkg-deb --field "$deb" Recommends)
description=$(dpkg-deb --field "$deb" Description)
grep -q 'xdg-utils' <<< "$recommends" || { echo "Recommends lacks xdg-utils"; exit 1; }
grep -q 'Schalldämm-Maß' <<< "$description" || { echo "Description without umlauts"; exit 1; }

# lintian: no errors (warnings are reported but do not fail the test).
lintian_out=$(lintian --tag-display-limit 0 "$deb" || true)
echo "$lintian_out"
if grep -q '^E:' <<< "$lintian_out"; then
  echo "lintian reports errors"
  exit 1
fi

dpkg -i "$deb" > /dev/null
/usr/bin/tavix-schallschutz --version | grep -q '2.0'
[ -f /usr/share/doc/tavix-schallschutz/Handbuch.pdf ]
echo "package installs and runs"
