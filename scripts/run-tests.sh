#!/usr/bin/env bash
# The whole test suite: plain build, sanitizer builds and a short fuzz run.
# Ends with one line "N passed, N failed" over every stage.
set -uo pipefail
cd "$(dirname "$0")/.."
JOBS=${JOBS:-$(nproc)}
FUZZ_TIME=${FUZZ_TIME:-60}
passed=0
failed=0
skipped=0
log=$(mktemp)

# stage NAME BUILD_DIR CTEST_ARGS TARGETS CMAKE_ARGS...   (TARGETS "" builds all)
stage() {
    local name=$1 dir=$2 ctest_args=$3 targets=$4
    shift 4
    echo "== $name"
    # shellcheck disable=SC2086
    if ! cmake -S . -B "$dir" -G Ninja -DHV_WERROR=ON "$@" >/dev/null ||
        ! cmake --build "$dir" -j "$JOBS" ${targets:+--target $targets}; then
        echo "== $name: build failed"
        failed=$((failed + 1))
        return
    fi
    # shellcheck disable=SC2086
    ctest --test-dir "$dir" --output-on-failure -j "$JOBS" $ctest_args | tee "$log"
    local line total nfail
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
    if [[ -z "$line" ]]; then
        echo "== $name: ctest printed no summary"
        failed=$((failed + 1))
        return
    fi
    total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
    nfail=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
    # Tests that could not run (no capture corpus here) are skipped, not passed.
    nskip=$(grep -cE '\*\*\*Skipped' "$log" || true)
    passed=$((passed + total - nfail - nskip))
    failed=$((failed + nfail))
    skipped=$((skipped + nskip))
}

stage "tests" build "" ""
stage "tests under AddressSanitizer and UndefinedBehaviorSanitizer" build-asan "" "" \
    -DHV_SANITIZE=address -DHV_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
stage "concurrency and link tests under ThreadSanitizer" build-tsan "-L concurrency|link" \
    "concurrency_tests link_tests receiver-sim" -DHV_SANITIZE=thread -DHV_BENCH=OFF -DHV_UI=OFF

echo "== fuzzing for ${FUZZ_TIME} s"
if FUZZ_TIME=$FUZZ_TIME scripts/run-fuzz.sh; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi

rm -f "$log"
echo
echo "Summary: $passed passed, $failed failed, $skipped skipped"
[[ $failed -eq 0 ]]
