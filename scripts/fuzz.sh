#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang in build-fuzz and runs each one from its seed
# corpus fuzz/corpus/<target>. Arguments go to every target (libFuzzer flags); without any,
# each runs 20000 inputs, as scripts/sanitize.sh does. For a longer run, e.g. ten minutes each:
#   scripts/fuzz.sh -max_total_time=600
# A crash, hang (10 s on one input) or leak stops the run; the input that caused it is written
# to build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
args=("$@")
((${#args[@]} > 0)) || args=(-runs=20000)
targets=(record_fuzz store_list_fuzz cli_options_fuzz)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVAVIVOR_FUZZ=ON -DVAVIVOR_BUILD_TESTS=OFF -DVAVIVOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "${targets[@]}"

export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
    found=$(mktemp -d) # new inputs of this run; the committed corpus stays as it is
    echo "fuzz: $target ${args[*]}"
    if ! build-fuzz/"$target" -timeout=10 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/artifacts/"$target"- "${args[@]}" \
        "$found" fuzz/corpus/"$target" >build-fuzz/"$target".log 2>&1; then
        tail -n 60 build-fuzz/"$target".log
        rm -rf "$found"
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb|new_units_added)' build-fuzz/"$target".log |
        tr '\n' ' '
    echo
    rm -rf "$found"
done
