#!/usr/bin/env bash
# Rewrites the example projects in examples/ from the test fixtures
# (tests/support/exampleproject.h). Use it after a deliberate change of the project file format
# or of an example; tst_examples then checks the files against the fixtures again. Review the diff before committing.
#
#   scripts/regenerate-example.sh [BUILD_DIR]     (default: build)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"

cmake --build "$build" --target tavix_regenerate_example
"$build/tests/tavix_regenerate_example" "$root/examples"
git -C "$root" status --short -- examples
