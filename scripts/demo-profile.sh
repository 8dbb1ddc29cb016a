#!/usr/bin/env bash
# Writes the settings `make run` starts with, when FILE does not exist yet:
# the four live windows laid out, so the demo shows data in all of them. The
# user's own profile is not touched; changes made while trying the demo stay
# in FILE.
# Usage: scripts/demo-profile.sh FILE
set -euo pipefail
file=$(realpath -m "$1")
[[ -e $file ]] && exit 0
cd "$(dirname "$0")/.."
source scripts/app-session.sh
SIM_TTY=99999 # the demo plays a capture; no port is opened
write_profile "$file" all
