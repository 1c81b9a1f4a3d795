#!/usr/bin/env bash
# Installs what is missing, builds from scratch with warnings as errors, and
# runs the whole test suite. Without a display (CI runs as root with none)
# the GUI tests get a virtual one: an Xvfb started here and stopped again.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
rm -rf build/test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVANTOR_WERROR=ON >/dev/null
cmake --build build/test -j"$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number and writes it to fd 3 once it listens.
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" 2>/dev/null &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -f "$number_file"' EXIT
  for _ in $(seq 100); do
    [ -s "$number_file" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.1
  done
  [ -s "$number_file" ] || { echo "Xvfb did not answer" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$number_file")"
fi

# Sanitizers and fuzzers: the suite again under ASan and UBSan, then each
# fuzz target for 30 s (see README, "Sanitizers and fuzzers").
tests/sanitize_and_fuzz.sh

cd build/test
ctest --output-on-failure -j"$(nproc)" | tee ctest.log
# ctest shows a passing test's output only on request; the VM's own results
# (each test case inside it, the latency figures) are worth seeing anyway.
if [ -f tests/vm/work/results.txt ]; then
  echo "Inside the VM (tests/vm):"
  cat tests/vm/work/results.txt
  # ctest's verdict stays the last word.
  grep -E '^[0-9]+% tests passed' ctest.log
fi
