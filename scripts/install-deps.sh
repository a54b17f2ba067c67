#!/usr/bin/env bash
# Installs the Debian packages the player needs.
#   install-deps.sh run   - what building and running need
#   install-deps.sh test  - that plus what the tests and benchmarks need
# Only missing packages are installed; when nothing is missing this takes ~1 s.
set -euo pipefail

run_pkgs=(
  cmake g++ pkg-config make
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev qt6-qpa-plugins
  libmpv-dev libcdio-dev libcdio-paranoia-dev libpulse-dev
  libasound2-dev libasound2-plugins libgl1-mesa-dri libopengl-dev
  # tif/tiff, webp and other picture formats beyond Qt's own
  qt6-image-formats-plugins qt6-translations-l10n
  # The CMake project always configures the tests, so GoogleTest is needed to build at all.
  googletest libgtest-dev libgmock-dev
  # Without a CJK font every Chinese caption is drawn as boxes.
  fonts-wqy-microhei
  at-spi2-core
  # the tray icon looks for an X11 notification area through xcb
  libxcb1-dev
)
test_pkgs=(
  "${run_pkgs[@]}"
  libbenchmark-dev libxcb1-dev
  # libFuzzer for the short fuzz run of the file readers
  clang libclang-rt-14-dev
  xvfb xauth pulseaudio pulseaudio-utils alsa-utils
  ffmpeg sox poppler-utils trayer imagemagick xdotool
  # a private cupsd with a raw socket queue for the printing test
  cups
  # the toolbar and tray tests: a window manager, a private session bus, window states
  openbox dbus x11-utils
  # the command-line player the playback benchmark compares with
  mpv
  # a session bus of the tests' own, and the media-key tool that drives it
  dbus-daemon dbus-bin playerctl
  # the launch benchmark
  python3
  # a Wayland session for the tests: a headless compositor with XWayland
  weston xwayland
  # the package: its library dependencies found by dpkg-shlibdeps, its desktop entry checked
  dpkg-dev desktop-file-utils
  # the news popup under a window manager, the online state against a NetworkManager stand-in
  python3-dbusmock
  # the disc tests: a DVD folder made with dvdauthor, a data track made with genisoimage
  dvdauthor genisoimage vcdimager
  # the registration tests: the desktop's MIME and association tools
  libglib2.0-bin shared-mime-info xdg-utils
  # compiler cache, used by scripts/build.sh when present
  ccache
)

case "${1:-run}" in
  run) wanted=("${run_pkgs[@]}") ;;
  test) wanted=("${test_pkgs[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

installed=$(dpkg-query -W -f='${Package} ${db:Status-Abbrev}\n' "${wanted[@]}" 2>/dev/null |
  awk '$2 == "ii" { print $1 }' || true)
missing=()
for p in "${wanted[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=(env)
elif command -v sudo >/dev/null; then
  as_root=(sudo env)
else
  echo "Run this as root, or install sudo, to install: ${missing[*]}" >&2
  exit 1
fi
apt_get=("${as_root[@]}" DEBIAN_FRONTEND=noninteractive apt-get -qq -o DPkg::Lock::Timeout=300)
"${apt_get[@]}" update
"${apt_get[@]}" install -y --no-install-recommends "${missing[@]}" >/dev/null
