#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it. Without a display (no $DISPLAY,
# no $WAYLAND_DISPLAY, no QT_QPA_PLATFORM) it prints the results of the example project
# as JSON instead and says how to start the window.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
# Tests stay configured (test.sh shares the build folder); only the program is built here.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIX_BUILD_TESTS=ON -DTAVIX_BUILD_BENCH=ON
cmake --build build --target tavix-schallschutz

if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display available: results of examples/worked-example.dat (build/tavix-schallschutz --json):" >&2
    status=0
    build/tavix-schallschutz --json examples/worked-example.dat || status=$?
    cat >&2 <<'HINT'

To start the window, run ./run.sh where a display is available (X11 or Wayland), or
without one through a virtual display:  xvfb-run -a ./run.sh
Any project file:  build/tavix-schallschutz --json FILE.dat   (see --help)
HINT
    exit "$status"
fi
exec build/tavix-schallschutz "$@"
