#!/usr/bin/env bash
# The test suite once more under AddressSanitizer and
# UndefinedBehaviorSanitizer, then every fuzz target for a while; run by
# ./test.sh after its own build, under its display. Both builds are made
# from scratch and hold only what they run: no VM, no benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"
fuzz_seconds="${VANTOR_FUZZ_SECONDS:-30}"

rm -rf build/asan build/fuzz
# -O0 builds in half the time of -O1 and the tests stay quick; -g1 gives
# the reports' stacks their files and lines.
cmake -S . -B build/asan -DVANTOR_SANITIZE=address,undefined -DVANTOR_WERROR=ON \
      -DCMAKE_CXX_FLAGS="-O0 -g1" >/dev/null
cmake --build build/asan -j"$jobs"
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DVANTOR_FUZZ=ON \
      -DVANTOR_BUILD_TESTS=OFF -DVANTOR_WERROR=ON -DVANTOR_FUZZ_SECONDS="$fuzz_seconds" \
      -DCMAKE_CXX_FLAGS="-O1 -g1" >/dev/null  # a fuzzer's speed is its depth
cmake --build build/fuzz -j"$jobs" --target fuzzers

# A sanitizer's report ends the program with an exit code no program of
# ours uses: the default, 1, is also vantorctl's "no adapter", which some
# tests expect. The two share their runtime, so both get the same code.
export ASAN_OPTIONS="exitcode=86:detect_leaks=1"
export UBSAN_OPTIONS="exitcode=86:halt_on_error=1:print_stacktrace=1"
echo "Under AddressSanitizer and UndefinedBehaviorSanitizer (build/asan):"
ctest --test-dir build/asan --output-on-failure -j"$jobs" -LE gui
# GTK's helpers keep what they allocated until the process ends; only
# those listed in the file are forgiven.
LSAN_OPTIONS="suppressions=$PWD/tests/gui/lsan.supp:print_suppressions=0" \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" -L gui

echo "Fuzzing each target for ${fuzz_seconds} s (build/fuzz; what a crash leaves: build/fuzz/fuzz/artifacts):"
unset ASAN_OPTIONS UBSAN_OPTIONS
ctest --test-dir build/fuzz --output-on-failure -j"$jobs" -L fuzz
