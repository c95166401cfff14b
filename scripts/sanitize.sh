#!/usr/bin/env bash
# Builds every test under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs
# them through ctest; any report of the sanitizers ends its process with an error and so fails
# the run. Then each fuzz target for a bounded number of inputs (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVAVIVOR_SANITIZE=ON \
    -DVAVIVOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j2
scripts/fuzz.sh
