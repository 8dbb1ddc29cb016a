#!/usr/bin/env bash
# Times gpsd's batch decoder (gpsdecode) and ours on the same bytes, in the
# same run, and prints the throughput ratios:
#  - in-process: our framing plus decoding (nmea-bench) against gpsdecode;
#  - whole program: harrowctl inspect, which also writes JSON lines, against
#    gpsdecode, which does the same.
# Usage: bench/compare-gpsd.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
repeat=${REPEAT:-40}

if ! command -v gpsdecode >/dev/null; then
    echo "Installing gpsd-clients for gpsdecode"
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends gpsd-clients
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/nmea-bench" --write-inputs "$work"

python3 - "$build" "$work" "$repeat" <<'PY'
import json, os, subprocess, sys, time

build, work, repeat = sys.argv[1], sys.argv[2], int(sys.argv[3])

def best_of(cmd, path, runs=3):
    best = None
    for _ in range(runs):
        with open(path, "rb") as f:
            start = time.perf_counter()
            subprocess.run(cmd, stdin=f, stdout=subprocess.DEVNULL, check=True)
            elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    return best

bench = json.loads(subprocess.run(
    [f"{build}/bench/nmea-bench", "--benchmark_filter=OneHertzMix$|CorpusConcatenated",
     "--benchmark_format=json", "--benchmark_repetitions=3",
     "--benchmark_report_aggregates_only=true"],
    check=True, capture_output=True, text=True).stdout)
inprocess = {b["run_name"]: b["bytes_per_second"] / 1e6
             for b in bench["benchmarks"] if b.get("aggregate_name") == "median"}

for name, label, key in (("one-hertz-mix", "1 Hz mix", "OneHertzMix"),
                         ("corpus", "corpus logs", "CorpusConcatenated")):
    single = os.path.join(work, name + ".nmea")
    data = open(single, "rb").read()
    if not data:
        print(f"{label}: input empty (capture corpus not found), skipped")
        continue
    big = os.path.join(work, name + "-big.nmea")
    with open(big, "wb") as f:
        for _ in range(repeat):
            f.write(data)
    mb = os.path.getsize(big) / 1e6
    gpsd = mb / best_of(["gpsdecode"], big)
    ours = mb / best_of([f"{build}/tools/harrowctl", "inspect", "-"], big)
    print(f"{label} ({mb:.1f} MB):")
    print(f"  gpsdecode                     {gpsd:8.1f} MB/s")
    print(f"  harrowctl inspect (JSON out)  {ours:8.1f} MB/s   ratio {ours / gpsd:5.1f}x")
    if key in inprocess:
        print(f"  framing + decoding in process {inprocess[key]:8.1f} MB/s   "
              f"ratio {inprocess[key] / gpsd:5.1f}x")
PY
