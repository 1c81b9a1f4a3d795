#!/usr/bin/env bash
# Installs what is missing, builds from scratch with warnings as errors, and
# runs the whole test suite, then the same for the 32-bit Windows build
# under wine (scripts/test-windows). Without a display (CI runs as root with none)
# the GUI tests get a virtual one: an Xvfb started here and stopped again.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps tests
rm -rf build/test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DVANTOR_WERROR=ON >/dev/null
cmake --build build/test -j"$(nproc)"

# The libraries that know no platform build for 32-bit Windows as well:
# compiled with the mingw-w64 cross compiler, nothing run.
rm -rf build/mingw-check
cmake -S . -B build/mingw-check -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DVANTOR_PLATFORM_FREE_ONLY=ON -DVANTOR_WERROR=ON >/dev/null
cmake --build build/mingw-check -j"$(nproc)"

if [ -z "${DISPLAY:-}" ]; then
  # Xvfb picks a free display number and writes it to fd 3 once it listens.
  number_file=$(mktemp)
  # -noreset: the server would otherwise reset whenever its last client
  # goes, between two GUI tests, and the next one could meet it resetting.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$number_file" 2>/dev/null &
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
fi
# With CI=true a skipped test is a failure: a run that could not test
# something must not look green.
if [ "${CI:-}" = true ] && grep -q '(Skipped)$' ctest.log; then
  echo "With CI=true a skipped test is a failure; skipped:" >&2
  grep '(Skipped)$' ctest.log >&2
  exit 1
fi
cd ../..

# The Windows build, its tests under wine on the same display.
rm -rf build/test-win32
windows=0
scripts/test-windows build/test-win32 2>&1 | tee build/test-win32.log || windows=$?

# Both ctest verdicts are the last word.
echo "Linux:"
grep -E '^[0-9]+% tests passed' build/test/ctest.log
echo "Windows (wine):"
grep -E '^[0-9]+% tests passed' build/test-win32.log || echo "no Windows test ran"
if [ "${CI:-}" = true ] && grep -q '(Skipped)$' build/test-win32.log; then
  echo "With CI=true a skipped test is a failure; skipped under wine:" >&2
  grep '(Skipped)$' build/test-win32.log >&2
  exit 1
fi
exit "$windows"
