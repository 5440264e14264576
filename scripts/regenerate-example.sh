#!/usr/bin/env bash
# Rewrites examples/worked-example.dat from the test fixture (tests/support/exampleproject.h).
# Use it after a deliberate change of the project file format or of the example; tst_examples
# then checks the file against the fixture again. Review the diff before committing.
#
#   scripts/regenerate-example.sh [BUILD_DIR]     (default: build)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"

cmake --build "$build" --target tavix_regenerate_example
"$build/tests/tavix_regenerate_example" "$root/examples/worked-example.dat"
git -C "$root" diff --stat -- examples/worked-example.dat
