#!/usr/bin/env python3
"""Launch benchmark: 璇音坊 beside the mpv command on the same files, in one run.

Measures, alternating the two players over several rounds and taking medians:
  - process start -> first sound reaching the sound server (an MP3, and a
    720p H.264 clip with sound), read from the null sink's monitor;
  - resident memory idle (璇音坊 with nothing to play; mpv has no idle state,
    so it is measured playing a WAV) and while playing the 720p clip;
  - idle CPU of 璇音坊 over 10 s with the accessibility bus on.
Figures are printed, never judged. Needs the test display and the null
sink (bench/run.sh starts both), ffmpeg, sox, parec and mpv.

    launch_bench.py <path to xuanyinfang> [rounds]
"""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

SOUND_TIMEOUT = 20.0
THRESHOLD = 100  # of 32767: above silence and dither, below a quiet start


class SoundWatch:
    """Reads the null sink's monitor and notes when sound first arrives."""

    def __init__(self):
        self.proc = subprocess.Popen(
            ["parec", "-d", "nullsink.monitor", "--raw", "--format=s16le", "--rate=48000",
             "--channels=1", "--latency-msec=5"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.first = None
        self.armed_at = None
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()
        time.sleep(0.3)

    def _read(self):
        while True:
            chunk = self.proc.stdout.read(480)  # 5 ms
            if not chunk:
                return
            now = time.monotonic()
            with self.lock:
                if self.armed_at is None or self.first is not None:
                    continue
            peak = max(abs(int.from_bytes(chunk[i:i + 2], "little", signed=True))
                       for i in range(0, len(chunk) - 1, 2))
            if peak > THRESHOLD:
                with self.lock:
                    self.first = now

    def arm(self):
        with self.lock:
            self.first = None
            self.armed_at = time.monotonic()

    def wait(self, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                if self.first is not None:
                    return self.first
            time.sleep(0.005)
        return None

    def stop(self):
        self.proc.kill()


def rss_mb(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024
    except OSError:
        pass
    return None


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def stop(proc):
    if proc.poll() is None:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


class Players:
    def __init__(self, app, work):
        self.app_dir = os.path.join(work, "app")
        self.work = work
        shutil.copytree(os.path.dirname(app), self.app_dir)
        self.exe = os.path.join(self.app_dir, os.path.basename(app))

    def ours(self, files):
        # A fresh 数据库 each time: nothing saved from the round before.
        db = os.path.join(self.app_dir, "数据库")
        shutil.rmtree(db, ignore_errors=True)
        os.makedirs(db)
        return subprocess.Popen([self.exe] + files, cwd=self.work,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @staticmethod
    def mpv(files):
        return subprocess.Popen(["mpv", "--no-config", "--no-terminal", "--force-window=no"] + files,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def full_volume():
    """The player sets the system volume at its start (a sink at 0 dB starts
    it at 9660 of 32767): every launch begins at full volume again."""
    subprocess.run(["pactl", "set-sink-volume", "@DEFAULT_SINK@", "100%"], check=False)
    subprocess.run(["pactl", "set-sink-mute", "@DEFAULT_SINK@", "0"], check=False)


def first_sound(watch, start):
    full_volume()
    watch.arm()
    t0 = time.monotonic()
    proc = start()
    heard = watch.wait(SOUND_TIMEOUT)
    stop(proc)
    time.sleep(0.3)
    return None if heard is None else (heard - t0) * 1000


def memory_at(start, seconds):
    proc = start()
    time.sleep(seconds)
    rss = rss_mb(proc.pid)
    stop(proc)
    return rss


def cpu_percent(proc, settle, seconds):
    """The process's CPU, in percent of one core, over seconds after settle; then stops it."""
    time.sleep(settle)
    c0, w0 = cpu_seconds(proc.pid), time.monotonic()
    time.sleep(seconds)
    c1, w1 = cpu_seconds(proc.pid), time.monotonic()
    stop(proc)
    return 100 * (c1 - c0) / (w1 - w0)


def idle_cpu(start, settle, seconds):
    return cpu_percent(start(), settle, seconds)


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def show(label, ours, theirs, unit):
    def fmt(v):
        return "n/a" if v is None else f"{v:.0f} {unit}"
    ratio = f"{ours / theirs:.2f}x" if ours and theirs else "n/a"
    print(f"  {label:<34} ours {fmt(ours):>9}   mpv {fmt(theirs):>9}   ratio {ratio}")


def make_media(work):
    mp3 = os.path.join(work, "tone.mp3")
    wav = os.path.join(work, "tone.wav")
    clip = os.path.join(work, "clip720.mp4")
    quiet = ["-loglevel", "error", "-y"]
    subprocess.run(["ffmpeg", *quiet, "-f", "lavfi", "-i", "sine=frequency=440:duration=20",
                    "-c:a", "libmp3lame", "-b:a", "128k", mp3], check=True)
    subprocess.run(["sox", "-n", "-r", "44100", "-c", "2", wav, "synth", "20", "sine", "440"], check=True)
    subprocess.run(["ffmpeg", *quiet, "-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=30:duration=20",
                    "-f", "lavfi", "-i", "sine=frequency=660:duration=20", "-c:v", "libx264",
                    "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest", clip],
                   check=True)
    return mp3, wav, clip


def start_accessibility_bus():
    """The accessibility bus a screen reader brings, on a session bus of our own."""
    launcher = "/usr/libexec/at-spi-bus-launcher"
    if not os.path.exists(launcher) or not shutil.which("dbus-daemon"):
        return []
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           stdout=subprocess.PIPE, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    at_spi = subprocess.Popen([launcher, "--launch-immediately"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    time.sleep(0.5)
    return [at_spi, bus]


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    app = os.path.abspath(sys.argv[1])
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    helpers = start_accessibility_bus()
    with tempfile.TemporaryDirectory(prefix="xy-launch-") as work:
        mp3, wav, clip = make_media(work)
        players = Players(app, work)
        watch = SoundWatch()
        try:
            results = {key: [] for key in ("ours_mp3", "mpv_mp3", "ours_720", "mpv_720")}
            # A warm-up of each: the sound server's first client and the
            # file cache are not what a user's launch meets.
            first_sound(watch, lambda: players.ours([mp3]))
            first_sound(watch, lambda: players.mpv([mp3]))
            for _ in range(rounds):
                results["ours_mp3"].append(first_sound(watch, lambda: players.ours([mp3])))
                results["mpv_mp3"].append(first_sound(watch, lambda: players.mpv([mp3])))
                results["ours_720"].append(first_sound(watch, lambda: players.ours([clip])))
                results["mpv_720"].append(first_sound(watch, lambda: players.mpv([clip])))
            if os.environ.get("XY_BENCH_DEBUG"):
                print(results)
            print(f"Launch of {app} beside mpv ({rounds} rounds, alternating, medians)")
            show("start -> first sound, MP3", median(results["ours_mp3"]), median(results["mpv_mp3"]), "ms")
            show("start -> first sound, 720p H.264", median(results["ours_720"]), median(results["mpv_720"]), "ms")
            show("resident memory, idle / mpv on WAV", memory_at(lambda: players.ours([]), 5),
                 memory_at(lambda: players.mpv([wav]), 5), "MB")
            show("resident memory, playing 720p", memory_at(lambda: players.ours([clip]), 5),
                 memory_at(lambda: players.mpv([clip]), 5), "MB")
            cpu = idle_cpu(lambda: players.ours([]), 3, 10)
            print(f"  idle CPU over 10 s, accessibility bus {'on' if helpers else 'off'}: {cpu:.2f} % of one core")
        finally:
            watch.stop()
            for proc in helpers:
                proc.kill()
    return 0


if __name__ == "__main__":
    sys.exit(main())
