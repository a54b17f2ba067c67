#!/usr/bin/env bash
# On a Wayland session (a headless weston with XWayland) the player starts
# through XWayland, where it may place its toolbar and read the pointer, and
# plays a video: the media interface reports it playing and its position
# moving on.
#   wayland_session_test.sh <application folder>
set -euo pipefail
app_src=$1
work=$(mktemp -d /tmp/xy-wayland.XXXXXX)
chmod 700 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$work/weston.log" >&2 2>/dev/null || true; exit 1; }

command -v weston >/dev/null && command -v Xwayland >/dev/null || { echo "no weston/Xwayland"; exit 77; }
cp -r "$app_src" "$work/app"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=320x240:rate=25:duration=20 \
  -f lavfi -i sine=frequency=440:duration=20 -c:v libx264 -pix_fmt yuv420p -c:a aac -shortest \
  "$work/clip.mp4"

# The session: its own runtime folder, compositor and X server on the first free display.
export XDG_RUNTIME_DIR=$work XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wl-xy
unset QT_QPA_PLATFORM DISPLAY
weston --backend=headless-backend.so --xwayland --socket=wl-xy --width=1280 --height=1024 \
  --log="$work/weston.log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null || true)
  [ -n "$display" ] && break
  sleep 0.1
done
[ -n "${display:-}" ] || fail "weston did not offer XWayland"
export DISPLAY=$display

dbus-run-session -- bash -c '
  cd "$1"
  ./app/xuanyinfang "$1/clip.mp4" >"$1/app.log" 2>&1 &
  app=$!
  for _ in $(seq 100); do
    [ "$(playerctl -p xuanyinfang status 2>/dev/null)" = Playing ] && break
    sleep 0.1
  done
  status=$(playerctl -p xuanyinfang status 2>/dev/null || true)
  first=$(playerctl -p xuanyinfang position 2>/dev/null || echo 0)
  for _ in $(seq 50); do
    second=$(playerctl -p xuanyinfang position 2>/dev/null || echo 0)
    awk -v a="$first" -v b="$second" "BEGIN { exit !(b > a + 1) }" && break
    sleep 0.2
  done
  platform=$(grep -o "platforms/libq[a-z]*\.so" /proc/$app/maps | sort -u | tr "\n" " ")
  kill $app; wait $app 2>/dev/null || true
  echo "status=$status first=$first second=$second platform=$platform"
  [ "$status" = Playing ] || { echo "FAIL: not playing"; exit 1; }
  awk -v a="$first" -v b="$second" "BEGIN { exit !(b > a + 1) }" || { echo "FAIL: the position did not move"; exit 1; }
  case "$platform" in *libqxcb.so*) ;; *) echo "FAIL: not through XWayland: $platform"; exit 1 ;; esac
' _ "$work"
