#!/usr/bin/env bash
# Installs what is missing, builds, and shows the adapters: two simulated
# ones unless other arguments are given (for example: ./run.sh list).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DVANTOR_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
if [ $# -eq 0 ]; then set -- --simulate 2 list; fi
exec build/release/tools/vantorctl/vantorctl "$@"
