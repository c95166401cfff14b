#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds Vavivor with its tests and runs every
# test through ctest; then the same tests again under the sanitizers, and each fuzz target for a
# bounded number of inputs (scripts/sanitize.sh).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/check-format.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
scripts/sanitize.sh
