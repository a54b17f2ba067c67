#!/usr/bin/env bash
# Builds the .deb from the build folder, checks what it carries and what it
# depends on, unpacks it into a folder of its own, and starts the unpacked
# program from its desktop entry with a tone on its command line: it plays
# and, once asked to end, stores its list in the user's data folder, not in
# its own folder.
#   package_test.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d /tmp/xy-package.XXXXXX)
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/xuanyinfang_*.deb)

contents=$(dpkg-deb --contents "$deb")
for f in ./usr/bin/xuanyinfang ./usr/lib/xuanyinfang/xuanyinfang ./usr/lib/xuanyinfang/.installed \
         ./usr/share/applications/io.github.xuanyinfang.desktop \
         ./usr/share/icons/hicolor/48x48/apps/io.github.xuanyinfang.png \
         ./usr/share/icons/hicolor/scalable/apps/io.github.xuanyinfang.svg \
         ./usr/share/mime/packages/io.github.xuanyinfang.xml \
         ./usr/lib/xuanyinfang/tubiao/skin/; do
  grep -qF " $f" <<<"$contents" || fail "the package lacks $f"
done
grep -q "数据库" <<<"$contents" && fail "the package carries a 数据库 folder"

depends=$(dpkg-deb -f "$deb" Depends)
for d in libmpv2 libqt6widgets6 libpulse0 qt6-qpa-plugins fonts-wqy-microhei; do
  grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/io.github.xuanyinfang.desktop" || fail "desktop entry"
fi

# Started as the desktop starts it: the entry's Exec line, %F the file.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/io.github.xuanyinfang.desktop")
sox -n -r 44100 -c 2 "$work/tone.wav" synth 30 sine 440
export XDG_DATA_HOME=$work/data HOME=$work/home
mkdir -p "$HOME"
command=${exec_line/\%F/$work/tone.wav}
(cd "$work" && PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen exec $command >"$work/app.log" 2>&1) &
app_pid=$!
list=$XDG_DATA_HOME/xuanyinfang/数据库/播放列表.qmx
sleep 3
kill -0 "$app_pid" 2>/dev/null || { cat "$work/app.log"; fail "the program ended by itself"; }
kill -TERM "$app_pid"
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when asked"
app_pid=
[ -f "$list" ] || fail "no list in the user's data folder"
grep -q "tone.wav" "$list" || fail "the list lacks the tone: $(cat "$list")"
[ -e "$root/usr/lib/xuanyinfang/数据库" ] && fail "the program wrote into its installed folder"
echo "package ok: $(basename "$deb"), $(du -h "$deb" | cut -f1)"
