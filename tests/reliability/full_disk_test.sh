#!/usr/bin/env bash
# A full disk while the program stores the list, the options and the news
# switch "v.sz": the old files stay as they were, the program still ends, and
# the next start, with room again, reads the user's list.
#   full_disk_test.sh <application folder>
# The installed program keeps its files in the user's data folder, which is
# put on a small tmpfs here; mounting it needs root (otherwise: skipped).
set -euo pipefail
app_src=$1
work=$(mktemp -d /tmp/xy-full.XXXXXX)
disk=$work/disk
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null || true
  mountpoint -q "$disk" && umount "$disk"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$disk"
mount -t tmpfs -o size=4m tmpfs "$disk" 2>/dev/null || { echo "cannot mount a tmpfs here"; exit 77; }
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$disk XDG_CONFIG_HOME=$work/config
cp -r "$app_src" "$work/app"
touch "$work/app/.installed"
sox -n -r 44100 -c 2 "$work/tone.wav" synth 10 sine 440

start() { (cd "$work" && exec "$work/app/xuanyinfang" "$@" >/dev/null 2>&1) & pid=$!; }
end_it() {
  kill -TERM "$pid"
  for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; pid=; return 0; }; sleep 0.05; done
  fail "the program did not end when asked"
}

# A first run makes the user's folder and its files; then the user's own list.
start; sleep 2; end_it
db=$disk/xuanyinfang/数据库
[ -f "$db/选项.bfq" ] || fail "the first run stored no options in $db"
for i in $(seq -w 1 32767); do printf '/music/album/track%s.mp3\r\n' "$i"; done >"$db/播放列表.qmx"
printf '1' >"$disk/xuanyinfang/v.sz"
snapshot() { (cd "$disk/xuanyinfang" && find . -type f | sort | xargs md5sum); }
before=$(snapshot)

# The disk full to the last block, then a run with a new list to store.
dd if=/dev/zero of="$disk/filler" bs=64k 2>/dev/null || true
start "$work/tone.wav"; sleep 2; end_it
[ "$(snapshot)" = "$before" ] || { diff <(echo "$before") <(snapshot); fail "a file changed on the full disk"; }
# (the snapshot also names every file: one more would be a temporary left behind)

# Room again: the next start reads the old list and stores it unchanged.
rm "$disk/filler"
start; sleep 2; end_it
[ "$(snapshot)" = "$before" ] || fail "the list after the full disk is not the user's"
echo "PASS: a full disk left the list, the options and v.sz as they were"
