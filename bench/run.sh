#!/usr/bin/env bash
# Runs every benchmark: builds if needed, then prints the player's start-up time
# and idle CPU use, and the figures of the other benchmarks in build/bench/.
# Without a DISPLAY it starts its own Xvfb and a PulseAudio null sink, and stops
# them afterwards.
#   bench/run.sh [launches]     (launches of the start-up benchmark, default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

scripts/install-deps.sh test
scripts/build.sh >/dev/null

if [ -z "${DISPLAY:-}" ]; then
  source scripts/headless.sh
  trap headless_stop EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  headless_start_x
  headless_start_sound
fi

status=0
"$build_dir/bench/xy_startup_bench" "$build_dir/app/xuanyinfang" "$@" || status=1
echo
python3 bench/launch_bench.py "$build_dir/app/xuanyinfang" || status=1
echo
python3 bench/cd_bench.py "$build_dir/bench/xy_cd_driver" || status=1
for bench in "$build_dir"/bench/xy_*_bench; do
  [ "$(basename "$bench")" = xy_startup_bench ] && continue
  echo
  "$bench" || status=1
done
exit "$status"
