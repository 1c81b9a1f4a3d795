#!/usr/bin/env bash
# Installs what is missing, builds, and opens the panel: on two simulated
# adapters unless other arguments are given (./run.sh with no adapter
# option uses the real ones: ./run.sh --real).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTOR_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
if [ $# -eq 0 ]; then set -- --simulate 2; fi
if [ "$1" = "--real" ]; then shift; fi
exec build/release/panel/VantorPanel "$@"
