#!/usr/bin/env bash
# Random input for the real program on an X display of its own: clicks and
# drags anywhere on its windows (label bar, panel, menus, dialogs), keys and
# menu shortcuts, and opens of media, pictures and folders from outside
# (the media interface's OpenUri, as a file manager's "open with" does) while
# earlier opens and folder scans are still running.
#   monkey_test.sh <application folder> [events]     default 2000
# Passes when the program never crashes and never stops answering. A choice
# that ends the program (an exit item, the close box) is allowed: it is
# started again and the run goes on. Prints the count of events and starts.
set -euo pipefail
app_src=$1
events=${2:-2000}
root=$(cd "$(dirname "$0")/../.." && pwd)
for tool in Xvfb xdotool sox ffmpeg playerctl dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "needs $tool"; exit 77; }
done
work=$(mktemp -d /tmp/xy-monkey.XXXXXX)
source "$root/scripts/headless.sh"
trap 'headless_stop; rm -rf "$work"' EXIT
headless_start_x
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME" "$work/media/folder/sub"
cp -r "$app_src" "$work/app"

for i in 1 2 3; do
  sox -n -r 44100 -c 2 "$work/media/tone$i.wav" synth $((i * 2)) sine $((300 * i))
  cp "$work/media/tone$i.wav" "$work/media/folder/sub/copy$i.wav"
done
ffmpeg -loglevel error -f lavfi -i testsrc2=size=320x240:rate=25:duration=4 \
  -c:v libx264 -pix_fmt yuv420p "$work/media/clip.mp4"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=640x480 -frames:v 1 "$work/media/pic.jpg"
head -c 5000 /dev/urandom >"$work/media/noise.mp3"
for i in $(seq 200); do : >"$work/media/folder/f$i.mp3"; done
uris=()
for f in tone1.wav tone2.wav tone3.wav clip.mp4 pic.jpg noise.mp3 missing.avi; do
  uris+=("file://$work/media/$f")
done

dbus-run-session -- bash -s "$work" "$events" "${uris[@]}" <<'SESSION'
set -uo pipefail
work=$1 events=$2
shift 2
uris=("$@")
keys=(alt+f alt+c alt+a alt+t alt+x alt+l alt+p alt+h Escape Escape Return space Up Down Left Right Tab
      Home End Prior Next F1 ctrl+o alt+F4 Delete)
starts=0 app=
start() {
  (cd "$work" && exec ./app/xuanyinfang "$work/media/tone1.wav" >>"$work/app.log" 2>&1) &
  app=$!
  starts=$((starts + 1))
  for _ in $(seq 100); do
    timeout 5 playerctl -p xuanyinfang status >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAIL: start $starts did not come up"; exit 1
}
# The program is gone: by its own exit (allowed) or by a signal (a crash).
check_alive() {
  kill -0 "$app" 2>/dev/null && return 0
  wait "$app"; local status=$?
  if [ $status -gt 128 ]; then
    echo "FAIL: the program died of signal $((status - 128)) after event $1"; tail -20 "$work/app.log"; exit 1
  fi
  start
}
answers() { timeout 10 playerctl -p xuanyinfang status >/dev/null 2>&1; }
window_box() {
  local w
  w=$(xdotool search --pid "$app" --onlyvisible 2>/dev/null | tail -1)
  [ -n "$w" ] && xdotool getwindowgeometry --shell "$w" 2>/dev/null | tr '\n' ' '
}

start
for event in $(seq "$events"); do
  check_alive "$event"
  if [ $((event % 20)) -eq 0 ]; then
    eval "$(window_box) true"
    answers || { echo "FAIL: no answer after event $event"; kill -9 "$app"; exit 1; }
  fi
  X=${X:-0} Y=${Y:-0} WIDTH=${WIDTH:-1280} HEIGHT=${HEIGHT:-1024}
  x=$((X + RANDOM % (WIDTH > 0 ? WIDTH : 1))) y=$((Y + RANDOM % (HEIGHT > 0 ? HEIGHT : 1)))
  {
  case $((RANDOM % 10)) in
    0|1|2) xdotool mousemove "$x" "$y" click 1 ;;
    3) xdotool mousemove "$x" "$y" click 3 ;;
    4) xdotool mousemove "$x" "$y" click --repeat 2 1 ;;
    5) xdotool mousemove "$x" "$y" mousedown 1 mousemove $((x + RANDOM % 200 - 100)) "$y" mouseup 1 ;;
    6|7) xdotool key "${keys[RANDOM % ${#keys[@]}]}" ;;
    8) timeout 5 playerctl -p xuanyinfang open "${uris[RANDOM % ${#uris[@]}]}" >/dev/null 2>&1 ;;
    9) xdotool mousemove "$x" "$y" ;;
  esac
  } >/dev/null 2>&1
done
check_alive "$events"
answers || { echo "FAIL: no answer at the end"; exit 1; }
kill -TERM "$app"
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && { echo "FAIL: the program did not end when asked at the end"; kill -9 "$app"; exit 1; }
echo "PASS: $events random events, $starts starts, no crash, always answering"
SESSION
