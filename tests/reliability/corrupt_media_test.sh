#!/usr/bin/env bash
# The real program plays a loop-all list of damaged files (make_corrupt_media.py)
# between good tones, twice round, on a session bus of its own: it passes every
# damaged entry without a crash or a hang, goes on answering its media interface,
# and stores the list unchanged when asked to end.
#   corrupt_media_test.sh <application folder>
# A picture stays until the user moves on: the test moves on (next) from an
# entry that stays a second without playing. Prints what each entry got:
# "played" when it was seen playing, "shown" when it stayed as a picture,
# "passed" when the player went on past it by itself.
set -euo pipefail
app_src=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/xy-corrupt.XXXXXX)
trap 'rm -rf "$work"' EXIT
for tool in sox ffmpeg playerctl dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "needs $tool"; exit 77; }
done
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config

cp -r "$app_src" "$work/app"
mkdir "$work/bad"
sox -n -r 44100 -c 2 "$work/good1.wav" synth 1.5 sine 440
sox -n -r 44100 -c 2 "$work/good2.wav" synth 1.5 sine 660
ffmpeg -loglevel error -f lavfi -i testsrc2=size=160x120:rate=25:duration=2 \
  -f lavfi -i sine=frequency=550:duration=2 -c:v libx264 -pix_fmt yuv420p -c:a aac -shortest "$work/clip.mp4"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=160x120 -frames:v 1 "$work/pic.jpg"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=160x120 -frames:v 1 "$work/pic.png"
python3 "$here/make_corrupt_media.py" "$work/bad" "$work/good1.wav" "$work/clip.mp4" \
  "$work/pic.jpg" "$work/pic.png" >"$work/table.tsv"

# The list: a good tone first, the damaged entries with the clip in their
# middle, a missing file and a CD track of a missing disc, a good tone last.
{
  echo "$work/good1.wav"
  n=0
  while IFS=$'\t' read -r name _; do
    echo "$work/bad/$name"
    n=$((n + 1))
    [ $n -eq 30 ] && echo "$work/clip.mp4"
  done <"$work/table.tsv"
  echo "$work/bad/missing.mp3"
  echo "$work/bad/nowhere.cue/Track01.cda"
  echo "$work/good2.wav"
} | sed 's/$/\r/' >"$work/list.qmx"
list=$work/app/数据库/播放列表.qmx
cp "$work/list.qmx" "$list"

dbus-run-session -- bash -s "$work" <<'SESSION'
set -uo pipefail
work=$1
cd "$work"
./app/xuanyinfang >"$work/app.log" 2>&1 &
app=$!
pc() { timeout 10 playerctl -p xuanyinfang "$@" 2>/dev/null; }
for _ in $(seq 150); do pc status >/dev/null && break; sleep 0.1; done
pc loop Playlist; pc play
# Round and round until the last tone has been heard twice, at most 4 minutes.
rounds=0 last= still=0 counted=no seen=$work/seen.txt
: >"$seen"
deadline=$((SECONDS + 240))
while [ $SECONDS -lt $deadline ] && [ $rounds -lt 2 ]; do
  kill -0 $app 2>/dev/null || { echo "FAIL: the program ended (status $(wait $app; echo $?))"; tail -20 "$work/app.log"; exit 1; }
  url=$(pc metadata xesam:url || true)
  status=$(pc status || echo "no answer")
  [ "$status" = "no answer" ] && { echo "FAIL: the media interface stopped answering"; kill -9 $app; exit 1; }
  echo "$status $url" >>"$seen"
  if [ "$url" != "$last" ]; then
    still=0 counted=no last=$url
  fi
  if [ "$status" = Playing ]; then
    case "$url" in *good2.wav) [ $counted = no ] && rounds=$((rounds + 1)) counted=yes ;; esac
  else
    still=$((still + 1))
    [ $still -eq 10 ] && { echo "Shown $url" >>"$seen"; pc next; }
  fi
  sleep 0.1
done
kill -TERM $app
for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
kill -0 $app 2>/dev/null && { echo "FAIL: the program did not end when asked"; kill -9 $app; exit 1; }
[ $rounds -ge 2 ] || { echo "FAIL: the list did not go round twice in 4 minutes"; tail -5 "$seen"; exit 1; }
exit 0
SESSION

cmp -s "$list" "$work/list.qmx" || { echo "FAIL: the stored list changed"; diff <(tr -d '\r' <"$work/list.qmx") <(tr -d '\r' <"$list") | head; exit 1; }
while IFS=$'\t' read -r name what; do
  got=passed
  grep -q "^Shown .*/bad/$name\$" "$work/seen.txt" && got=shown
  grep -q "^Playing .*/bad/$name\$" "$work/seen.txt" && got=played
  printf '%-22s %-7s %s\n' "$name" "$got" "$what"
done <"$work/table.tsv"
echo "PASS: $(wc -l <"$work/table.tsv") damaged files passed twice round a loop-all list"
