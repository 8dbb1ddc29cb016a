#!/usr/bin/env bash
# Measures the running application under Xvfb:
#  1. start-up: process start to the main window shown (median of 10 runs;
#     the receive thread's 3 s start delay is not on this path);
#  2. CPU of the idle application (no child windows) reading a 1 Hz
#     receiver-sim, over 30 s;
#  3. CPU with the four live windows open (navigation, signal quality, sky
#     plot, command monitor) and a 1 Hz receiver-sim, over 60 s.
# Usage: bench/app-measure.sh [BUILD_DIR] [IDLE_SECONDS] [LIVE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
idle_seconds=${2:-30}
live_seconds=${3:-60}

if [[ -z ${DISPLAY:-} ]]; then
    scripts/install-deps.sh xvfb
    exec xvfb-run -a -s "-screen 0 1200x1000x24" "$0" "$@"
fi
cmake -S . -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" --target harrowview receiver-sim >/dev/null
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

source scripts/app-session.sh
work=$(mktemp -d)

# CPU seconds (user + system) of a process so far.
cpu_seconds() {
    awk -v tick="$(getconf CLK_TCK)" '{ sub(/.*\) /, ""); print ($12 + $13) / tick }' "/proc/$1/stat"
}

# Runs harrowview with a profile for SECONDS after it has settled and prints
# its CPU use in percent of one core.
cpu_percent() {
    local profile=$1 seconds=$2 pid before after
    "$BUILD/harrowview" --profile "$profile" 2>/dev/null &
    pid=$!
    sleep 6 # past the receive thread's start delay and the first windows' set-up
    before=$(cpu_seconds "$pid")
    sleep "$seconds"
    after=$(cpu_seconds "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v a="$after" -v b="$before" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * (a - b) / s }'
}

start_sim --seed 3 --mask 5 --mask-sector 290-20:25 --satellites 12

# 1. Start-up time.
write_profile "$work/startup.ini"
times=()
for _ in $(seq 10); do
    start=$(date +%s%N)
    shown=$("$BUILD/harrowview" --profile "$work/startup.ini" \
                --exit-when-shown 2>/dev/null | awk '/^shown/ { print $2 }')
    times+=("$(( (shown - start) / 1000000 ))")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
echo "start-up to main window shown: median ${median} ms (runs: ${times[*]}) - target 300 ms"

# 2. Idle with a 1 Hz receiver.
write_profile "$work/idle.ini"
echo "idle application, 1 Hz receiver, ${idle_seconds} s: $(cpu_percent "$work/idle.ini" "$idle_seconds") % of one core - target 1 %"

# 3. The four live windows.
write_profile "$work/live.ini" all
echo "four live windows, 1 Hz receiver, ${live_seconds} s: $(cpu_percent "$work/live.ini" "$live_seconds") % of one core - target 3 %"
rm -rf "$work"
