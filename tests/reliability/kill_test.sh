#!/usr/bin/env bash
# The user's list and options survive the program being killed while it
# saves them, and being asked to end while it starts.
#   kill_test.sh <application folder> [rounds]
# save:    asked to end (SIGTERM: it stores options and list) and killed
#          (SIGKILL) at a random moment of that, with the tone or the long
#          list to store; each file must be the old one or the complete new one.
# startup: started on a saved list of 32767 entries and asked to end at a
#          random moment of its start; the list must be the one the user had.
# Needs a sound server or none (the tone plays or plays silent), sox, and
# the offscreen platform.
set -euo pipefail
app_src=$1
rounds=${2:-100}
work=$(mktemp -d /tmp/xy-kill.XXXXXX)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$work/data
cp -r "$app_src" "$work/app"
db=$work/app/数据库
list=$db/播放列表.qmx
options=$db/选项.bfq
sox -n -r 44100 -c 2 "$work/tone.wav" synth 20 sine 440

start() { (cd "$work" && exec "$work/app/xuanyinfang" "$@" >/dev/null 2>&1) & pid=$!; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_end() {
  for _ in $(seq "$1"); do ended && { wait "$pid" 2>/dev/null || true; pid=; return 0; }; sleep 0.05; done
  return 1
}
# A random time of 0 … max milliseconds, in seconds for sleep.
random_ms() { awk -v r=$RANDOM -v m="$1" 'BEGIN { printf "%.4f", r / 32767 * m / 1000 }'; }

# The user's own list: 32767 entries, and the options a first run stores.
for i in $(seq -w 1 32767); do printf '/music/album/track%s.mp3\r\n' "$i"; done >"$work/old.qmx"
cp "$work/old.qmx" "$list"
start
sleep 2
kill -TERM "$pid"; wait_end 200 || fail "the first run did not end"
cmp -s "$list" "$work/old.qmx" || fail "the first run changed the list"
cp "$options" "$work/old.bfq"

# What a complete save of the tone's list looks like.
start "$work/tone.wav"
sleep 1.5
kill -TERM "$pid"; wait_end 200 || fail "the run with the tone did not end"
cp "$list" "$work/new.qmx"
cp "$options" "$work/new.bfq"
cmp -s "$work/new.qmx" "$work/old.qmx" && fail "the tone's list is the old one"

# Odd rounds save the tone's short list over the long one; even rounds save
# the long list again (about 10 ms of writing), so the kills land inside it.
torn=0
for round in $(seq "$rounds"); do
  cp "$work/old.qmx" "$list"; cp "$work/old.bfq" "$options"
  if [ $((round % 2)) -eq 1 ]; then
    delay=$(random_ms 4); start "$work/tone.wav"; sleep 1
  else
    delay=$(random_ms 14); start; sleep 2
  fi
  kill -TERM "$pid"
  sleep "$delay"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true; pid=
  cmp -s "$list" "$work/old.qmx" || cmp -s "$list" "$work/new.qmx" || { torn=$((torn + 1)); echo "round $round: list torn ($(wc -c <"$list") bytes)"; }
  cmp -s "$options" "$work/old.bfq" || cmp -s "$options" "$work/new.bfq" || { torn=$((torn + 1)); echo "round $round: options torn"; }
done
echo "save: $rounds kills while saving, $torn torn files"

lost=0
for round in $(seq "$rounds"); do
  cp "$work/old.qmx" "$list"
  start
  sleep "$(awk -v r=$RANDOM 'BEGIN { printf "%.3f", 0.1 + r / 32767 * 1.4 }')"
  kill -TERM "$pid" 2>/dev/null || true
  wait_end 400 || fail "round $round: the program did not end when asked during its start"
  cmp -s "$list" "$work/old.qmx" || { lost=$((lost + 1)); echo "round $round: the list changed"; }
done
echo "startup: $rounds close requests during the start, $lost lists changed"
[ "$torn" -eq 0 ] && [ "$lost" -eq 0 ]
