#!/usr/bin/env bash
# Takes the README's screenshots: Harrowview under Xvfb reading receiver-sim
# (a horizon mask with a building to the north-west, time running 20 times
# fast so the sky plot's trails and mask grow), the four live windows open.
# Writes docs/screenshots/*.png.
# Usage: scripts/screenshots.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
seconds=${2:-45}
out=docs/screenshots

scripts/install-deps.sh xvfb
cmake -S . -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" --target harrowview receiver-sim >/dev/null

source scripts/app-session.sh
work=$(mktemp -d)
start_sim --seed 11 --speed 20 --mask 5 --mask-sector 290-20:25 --satellites 12
write_profile "$work/profile.ini" all

mkdir -p "$out"
xvfb-run -a -s "-screen 0 1200x1000x24" \
    "$BUILD/harrowview" --profile "$work/profile.ini" \
    --screenshot "$out" --screenshot-after "$seconds"
kill "$SIM_PID" 2>/dev/null || true

# The TTFF window in a run of hot tests, in a session of its own (the resets
# would disturb the sky plot above); only its picture is kept.
start_sim --seed 12 --speed 20
write_profile "$work/ttff.ini"
xvfb-run -a -s "-screen 0 1200x1000x24" \
    "$BUILD/harrowview" --profile "$work/ttff.ini" --ttff hot,100 \
    --screenshot "$work/ttff" --screenshot-after "$seconds"
cp "$work/ttff/ttff.png" "$out/ttff.png"
rm -rf "$work"
ls -l "$out"
