#!/usr/bin/env bash
# The news switch "v.sz", the registration store classes.json and the
# desktop's mimeapps.list survive the program being killed while it stores
# them.
#   kill_saves_test.sh <build folder> [rounds]
# For each of the three, save_driver stores the file over and over through
# the program's own code, alternating two contents, and is killed (SIGKILL)
# at a random moment once it saves. The file must then be byte for byte one
# of the two complete contents. Nothing else may be left beside it but the
# saving's own temporary file when the kill fell between its link and its
# rename: complete, and under a name no start reads; those are counted.
# ctest runs 10 rounds of each; the long run is the default of 100:
#   tests/reliability/kill_saves_test.sh build
set -euo pipefail
driver=$1/tests/save_driver
rounds=${2:-100}
work=$(mktemp -d /tmp/xy-kill-saves.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$driver" ] || fail "no save_driver in $1/tests"
export QT_QPA_PLATFORM=offscreen

target_of() {
  case $1 in
    vsz) echo v.sz ;;
    store) echo classes.json ;;
    mimeapps) echo config/mimeapps.list ;;
  esac
}
now_ms() { date +%s%3N; }
# A random time of 0 … max milliseconds, in seconds for sleep.
random_ms() { awk -v r=$RANDOM -v m="$1" 'BEGIN { printf "%.4f", r / 32767 * m / 1000 }'; }
# Whether the file holds one of the two complete contents.
complete() { cmp -s "$1" "$2/first" || cmp -s "$1" "$2/second"; }

# Lays out the first file and what one and two saves make of it.
prepare() {
  local kind=$1 target; target=$(target_of "$1")
  mkdir -p "$work/$kind/base"
  "$driver" "$kind" "$work/$kind/base" prepare || fail "$kind: prepare failed"
  for n in 1 2; do
    cp -a "$work/$kind/base" "$work/$kind/run"
    "$driver" "$kind" "$work/$kind/run" "$n" >/dev/null || fail "$kind: $n saves failed"
    cp "$work/$kind/run/$target" "$work/$kind/$([ "$n" = 1 ] && echo first || echo second)"
    rm -rf "$work/$kind/run"
  done
  cmp -s "$work/$kind/second" "$work/$kind/base/$target" || fail "$kind: two saves do not give the file back"
  cmp -s "$work/$kind/first" "$work/$kind/second" && fail "$kind: both saves store the same"
  return 0
}

# How long one save takes, in milliseconds (the start excluded).
save_ms() {
  local kind=$1 t0 t1 t2
  cp -a "$work/$kind/base" "$work/$kind/run"
  t0=$(now_ms); "$driver" "$kind" "$work/$kind/run" 1 >/dev/null
  t1=$(now_ms); "$driver" "$kind" "$work/$kind/run" 401 >/dev/null
  t2=$(now_ms)
  rm -rf "$work/$kind/run"
  awk -v a=$((t1 - t0)) -v b=$((t2 - t1)) 'BEGIN { m = (b - a) / 400; printf "%.3f", (m > 0.01) ? m : 0.01 }'
}

torn=0
for kind in vsz store mimeapps; do
  start=$(now_ms)
  prepare "$kind"
  target=$(target_of "$kind")
  per_save=$(save_ms "$kind")
  # Up to some twenty saves after the first: every moment of a save is as likely.
  range=$(awk -v s="$per_save" 'BEGIN { printf "%.3f", 20 * s }')
  kind_torn=0 left=0 saves=0
  for round in $(seq "$rounds"); do
    run=$work/$kind/run
    cp -a "$work/$kind/base" "$run"
    "$driver" "$kind" "$run" 0 >"$work/log" 2>/dev/null & pid=$!
    for _ in $(seq 1000); do [ -s "$work/log" ] && break; sleep 0.005; done
    [ -s "$work/log" ] || fail "$kind: the driver did not save"
    sleep "$(random_ms "$range")"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true; pid=
    saves=$((saves + $(wc -l <"$work/log")))
    file=$run/$target
    if [ ! -e "$file" ] || ! complete "$file" "$work/$kind"; then
      kind_torn=$((kind_torn + 1))
      echo "$kind round $round: $target torn ($( [ -e "$file" ] && wc -c <"$file" || echo missing))"
    fi
    folder=$(dirname "$file") name=$(basename "$file")
    for other in "$folder"/* "$folder"/.[!.]*; do
      [ -e "$other" ] && [ "$other" != "$file" ] || continue
      if [[ $(basename "$other") =~ ^${name//./\\.}\.[A-Za-z0-9]{6}$ ]] && complete "$other" "$work/$kind"; then
        left=$((left + 1))
      else
        kind_torn=$((kind_torn + 1))
        echo "$kind round $round: $(basename "$other") left beside $target"
      fi
    done
    rm -rf "$run"
  done
  echo "$kind: $rounds kills, $kind_torn torn, $left complete temporary files left," \
       "$saves saves, ${per_save} ms a save, $(( $(now_ms) - start )) ms"
  torn=$((torn + kind_torn))
done
[ "$torn" -eq 0 ]
