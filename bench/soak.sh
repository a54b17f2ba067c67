#!/usr/bin/env bash
# A long run: the real program plays 200 short generated files (tones, clips
# and pictures) in loop-all and the script reports its resident memory and
# open file descriptors once a minute. Not part of the tests.
#   bench/soak.sh <application folder> [minutes]      default 60
# Ends with the growth of memory and descriptors from the sample after the
# warm-up (minute 5: by then every kind of file has played once and the
# decoders, the GL driver and the caches are in) to the last; fails when
# memory grew by more than 10 MB or descriptors by more than 4.
set -euo pipefail
app_src=$1
minutes=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d /tmp/xy-soak.XXXXXX)
source "$root/scripts/headless.sh"
trap 'headless_stop; rm -rf "$work"' EXIT
[ -n "${DISPLAY:-}" ] || headless_start_x
[ -n "${PULSE_SERVER:-}" ] || headless_start_sound
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
cp -r "$app_src" "$work/app"
mkdir "$work/media"
for i in $(seq -w 1 200); do
  case $((10#$i % 4)) in
    0) ffmpeg -loglevel error -f lavfi -i "testsrc2=size=320x240:rate=25:duration=2" \
         -f lavfi -i "sine=frequency=$((200 + 10#$i * 5)):duration=2" -c:v libx264 -pix_fmt yuv420p \
         -c:a aac -shortest "$work/media/$i.mp4" ;;
    *) sox -n -r 44100 -c 2 "$work/media/$i.wav" synth 2 sine $((200 + 10#$i * 5)) ;;
  esac
done
ls "$work/media"/* | sed 's/$/\r/' >"$work/app/数据库/播放列表.qmx"

dbus-run-session -- bash -s "$work" "$minutes" <<'SESSION'
set -uo pipefail
work=$1 minutes=$2
cd "$work"
./app/xuanyinfang >"$work/app.log" 2>&1 &
app=$!
for _ in $(seq 100); do playerctl -p xuanyinfang status >/dev/null 2>&1 && break; sleep 0.1; done
playerctl -p xuanyinfang loop Playlist
playerctl -p xuanyinfang play
echo "minute  rss_mb  fds  entry"
first_rss= first_fds=
for minute in $(seq 0 "$minutes"); do
  kill -0 $app 2>/dev/null || { echo "FAIL: the program ended"; tail -20 "$work/app.log"; exit 1; }
  rss=$(awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' /proc/$app/status)
  fds=$(ls /proc/$app/fd | wc -l)
  entry=$(playerctl -p xuanyinfang metadata xesam:url 2>/dev/null | sed 's|.*/||')
  printf '%6d  %6s  %3d  %s\n' "$minute" "$rss" "$fds" "$entry"
  [ "$minute" -eq 5 ] && first_rss=$rss first_fds=$fds
  [ "$minute" -lt "$minutes" ] && sleep 60
done
kill -TERM $app; wait $app 2>/dev/null
[ -n "$first_rss" ] || exit 0
growth=$(awk -v a="$first_rss" -v b="$rss" 'BEGIN { printf "%.1f", b - a }')
echo "growth from minute 5: ${growth} MB resident, $((fds - first_fds)) descriptors"
awk -v g="$growth" 'BEGIN { exit !(g <= 10) }' && [ $((fds - first_fds)) -le 4 ]
SESSION
