# Sourced by scripts/test.sh and bench/run.sh: a private X display and sound server.
#   headless_start_x      - Xvfb on the first free display of :90…:99, exports DISPLAY
#   headless_start_sound  - PulseAudio with a null sink in a private runtime folder,
#                           exports XDG_RUNTIME_DIR, PULSE_SERVER and PULSE_COOKIE
#   headless_stop         - stops whatever of the two was started here

headless_xvfb_pid=
headless_pulse_dir=

headless_start_x() {
  local n fdfile i
  fdfile=$(mktemp /tmp/xy-xvfb.XXXXXX)
  for n in $(seq 90 99); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    : >"$fdfile"
    # Xvfb writes the display number to fd 3 once it accepts clients.
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 \
      3>"$fdfile" >/dev/null 2>&1 &
    headless_xvfb_pid=$!
    for i in $(seq 100); do
      [ -s "$fdfile" ] && break
      kill -0 "$headless_xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -s "$fdfile" ]; then
      rm -f "$fdfile"
      export DISPLAY=":$n"
      return 0
    fi
    kill "$headless_xvfb_pid" 2>/dev/null || true
    wait "$headless_xvfb_pid" 2>/dev/null || true
    headless_xvfb_pid=
  done
  rm -f "$fdfile"
  echo "headless: no free X display in :90…:99" >&2
  return 1
}

headless_start_sound() {
  headless_pulse_dir=$(mktemp -d /tmp/xy-pulse.XXXXXX)
  export XDG_RUNTIME_DIR=$headless_pulse_dir
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
  export PULSE_COOKIE=$headless_pulse_dir/.config/pulse/cookie
  # Its own HOME keeps the server's cookie and state out of the user's folder;
  # a dead bus address stops it from launching a D-Bus daemon that would outlive it.
  # The socket sits in a 0700 folder, so anonymous access is safe.
  HOME=$headless_pulse_dir DBUS_SESSION_BUS_ADDRESS=unix:path=$headless_pulse_dir/no-bus \
    pulseaudio --daemonize=yes --exit-idle-time=-1 -n \
      --load="module-null-sink sink_name=nullsink" \
      --load="module-native-protocol-unix auth-anonymous=1" \
      --log-target="file:$headless_pulse_dir/pulseaudio.log" 2>/dev/null || {
    echo "headless: PulseAudio did not start" >&2
    cat "$headless_pulse_dir/pulseaudio.log" >&2 2>/dev/null || true
    return 1
  }
}

headless_stop() {
  local pid i
  if [ -n "$headless_xvfb_pid" ]; then
    kill "$headless_xvfb_pid" 2>/dev/null || true
    wait "$headless_xvfb_pid" 2>/dev/null || true
    headless_xvfb_pid=
  fi
  if [ -n "$headless_pulse_dir" ]; then
    pid=$(cat "$headless_pulse_dir/pulse/pid" 2>/dev/null || true)
    if [ -n "$pid" ]; then
      kill "$pid" 2>/dev/null || true
      for i in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
    fi
    rm -rf "$headless_pulse_dir"
    headless_pulse_dir=
  fi
}
