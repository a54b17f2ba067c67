#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: its own Xvfb
# display and a PulseAudio server with a null sink, both stopped on exit.
# Exits with ctest's status. Benchmarks (label "bench") are not run here.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
scripts/build.sh

source scripts/headless.sh
trap headless_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
headless_start_x
headless_start_sound
echo "Testing on display $DISPLAY with a null sink at $PULSE_SERVER"

status=0
# A short fuzz run of the file readers first, so ctest's summary closes the output.
fuzz/run.sh 10 || status=$?
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2 --timeout 300 -LE bench || status=$?
exit "$status"
