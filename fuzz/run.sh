#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer and runs each for a while.
#   fuzz/run.sh [seconds per target]     default 10 (the short run of the tests)
#   fuzz/run.sh 600                       a longer run, ten minutes each
# Needs the Debian packages clang and libclang-rt-14-dev. Findings (inputs
# that crash) are written to build/fuzz/findings/; the corpus grows in
# build/fuzz/corpus/ and is reused by the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
build=${FUZZ_BUILD_DIR:-build/fuzz}

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

status=0
for name in list_file options_file command_line news_switch print_boxes mimeapps_list \
    registration_store cd_commands; do
  corpus="$build/corpus/$name"
  findings="$build/findings/$name"
  mkdir -p "$corpus" "$findings"
  log="$build/$name.log"
  echo "Fuzzing the $name reader for ${seconds} s"
  if "$build/${name}_fuzzer" -max_total_time="$seconds" -max_len=140000 -rss_limit_mb=4096 \
      -timeout=20 -artifact_prefix="$findings/" "$corpus" "fuzz/seeds/$name" >"$log" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$log" || tail -n 1 "$log"
  else
    tail -n 40 "$log"
    echo "The $name reader failed; the input is in $findings/" >&2
    status=1
  fi
done
exit "$status"
