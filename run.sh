#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIX_BUILD_TESTS=OFF -DTAVIX_BUILD_BENCH=OFF
cmake --build build --target tavix-schallschutz
exec build/tavix-schallschutz "$@"
