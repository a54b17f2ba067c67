#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: its own Xvfb
# display and a PulseAudio server with a null sink, both stopped on exit.
# The tests run in a Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer, where Q_ASSERT is on and a compiler warning
# fails the build (build/sanitize, or SANITIZE_BUILD_DIR), and then in the
# Release build the player ships as (build/, or BUILD_DIR).
# Exits non-zero when a build or a test fails. Benchmarks (label "bench")
# are not run here.
set -euo pipefail
cd "$(dirname "$0")/.."
release_dir=${BUILD_DIR:-build}
sanitize_dir=${SANITIZE_BUILD_DIR:-$release_dir/sanitize}

scripts/install-deps.sh test
BUILD_DIR=$sanitize_dir BUILD_TYPE=Debug XY_CMAKE_ARGS="-DXY_SANITIZE=ON -DXY_WERROR=ON" \
  scripts/build.sh
BUILD_DIR=$release_dir scripts/build.sh

source scripts/headless.sh
trap headless_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
headless_start_x
headless_start_sound
echo "Testing on display $DISPLAY with a null sink at $PULSE_SERVER"

status=0
# A short fuzz run of the file readers first, so ctest's summaries close the output.
fuzz/run.sh 10 || status=$?
run_tests() {
  echo "Tests in $1"
  ctest --test-dir "$1" --output-on-failure -j2 --timeout "$2" -LE bench || status=$?
}
# The sanitizers slow the tests down, so their run allows more time per test.
run_tests "$sanitize_dir" 360
run_tests "$release_dir" 300
exit "$status"
