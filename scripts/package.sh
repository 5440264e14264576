#!/usr/bin/env bash
# Builds the Debian package of the program in one command: set-up, a release build of
# the program, its documents and catalogues, then CPack. The package lands in dist/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTAVIX_BUILD_TESTS=OFF -DTAVIX_BUILD_BENCH=OFF
cmake --build build-package
mkdir -p dist
(cd build-package && cpack -G DEB -B "$PWD/../dist")
rm -rf dist/_CPack_Packages
ls dist/*.deb
