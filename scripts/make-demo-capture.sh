#!/usr/bin/env bash
# Records data/demo.nmea from receiver-sim: a steady 3D fix under a horizon
# with a building to the north-west, then a cold reset (command reply and
# notice burst) converging to a 3D fix again.
# Usage: scripts/make-demo-capture.sh [BUILD_DIR] [SIM_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-240}
speed=40
out=data/demo.nmea

fifo=$(mktemp -u)
mkfifo "$fifo"
"$build/tools/receiver-sim" --seed 7 --ttff-cold 40 --speed "$speed" \
    --mask 5 --mask-sector 290-20:25 --satellites 12 >"$fifo" &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r tty <"$fifo"
stty -F "$tty" raw -echo
timeout "$(awk "BEGIN { print $seconds / $speed + 0.5 }")" cat "$tty" >"$out" &
reader=$!
sleep 1 # 40 simulated seconds of steady fixes first
printf '$PZEKS,RSET,ALM\r\n' >"$tty"
wait $reader || true
echo "wrote $out: $(wc -c <"$out") bytes, $(grep -c '\$' "$out") sentences"
