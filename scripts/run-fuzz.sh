#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_TIME seconds,
# seeded with the shared receiver captures when they are there. Fails on any
# finding.
set -euo pipefail
cd "$(dirname "$0")/.."
FUZZ_TIME=${FUZZ_TIME:-60}
dir=build-fuzz
corpus=../shared/nmea-corpus

CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DHV_FUZZ=ON -DHV_WERROR=ON -DHV_TESTS=OFF -DHV_BENCH=OFF -DHV_UI=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" -j "${JOBS:-$(nproc)}"

status=0
for target in "$dir"/fuzz/*-fuzz; do
    name=$(basename "$target")
    work="$dir/corpus-$name"
    mkdir -p "$work" "$dir/findings"
    seeds=()
    if [[ -d "$corpus" ]]; then
        seeds=("$corpus")
    else
        echo "$name: capture corpus not found, fuzzing without seeds"
    fi
    out="$dir/$name.log"
    if "$target" -max_total_time="$FUZZ_TIME" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$dir/findings/" "$work" "${seeds[@]}" >"$out" 2>&1; then
        runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$out" | grep -oE '[0-9]+$' || echo "?")
        echo "$name: $runs executions in ${FUZZ_TIME} s, no findings"
    else
        echo "$name: FINDING (see $out and $dir/findings/)"
        tail -40 "$out"
        status=1
    fi
done
exit $status
