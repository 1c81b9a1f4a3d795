#!/usr/bin/env bash
# Installs what is missing, builds from scratch with warnings as errors, and
# runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
rm -rf build/test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVANTOR_WERROR=ON >/dev/null
cmake --build build/test -j"$(nproc)"
cd build/test
ctest --output-on-failure -j"$(nproc)"
# ctest shows a passing test's output only on request; the VM's own results
# (each test case inside it, the latency figures) are worth seeing anyway.
if [ -f tests/vm/work/results.txt ]; then
  echo "Inside the VM (tests/vm):"
  cat tests/vm/work/results.txt
fi
