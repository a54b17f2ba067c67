#!/usr/bin/env python3
"""Audio-CD benchmark: our CD device beside `mpv cdda://` on the same disc
image, in one run.

Measures, alternating the two over several rounds and taking medians:
  - first sound on the null sink: ours from "play cd" (the device already
    open), and from its process start (open included); mpv from its start;
  - CPU while a track plays, over 12 s after 2 s of play.
Figures are printed, never judged. Needs the null sink (bench/run.sh starts
it), sox, parec and mpv.

    cd_bench.py <path to xy_cd_driver> [rounds]
"""
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from launch_bench import SoundWatch, cpu_percent, full_volume, median, show, stop  # noqa: E402

SOUND_TIMEOUT = 20.0


def make_disc(work):
    """Three 20 s tones in one BIN, sector-aligned, with a cue sheet."""
    bin_path = os.path.join(work, "disc.bin")
    offsets = []
    with open(bin_path, "wb") as out:
        for hz in (440, 660, 880):
            raw = os.path.join(work, f"{hz}.raw")
            subprocess.run(["sox", "-r", "44100", "-c", "2", "-n", "-b", "16", "-e", "signed-integer",
                            "-L", "-t", "raw", raw, "synth", f"{1500 * 588}s", "sine", str(hz),
                            "vol", "0.5"], check=True)
            offsets.append(out.tell() // 2352)
            with open(raw, "rb") as f:
                out.write(f.read())
    cue = os.path.join(work, "disc.cue")
    with open(cue, "w") as f:
        f.write('FILE "disc.bin" BINARY\n')
        for i, sector in enumerate(offsets, 1):
            f.write(f"  TRACK {i:02d} AUDIO\n    INDEX 01 {sector // 4500:02d}:{sector // 75 % 60:02d}:{sector % 75:02d}\n")
    return cue


class Ours:
    def __init__(self, driver, cue):
        self.driver, self.cue = driver, cue

    def start(self):
        proc = subprocess.Popen([self.driver, self.cue], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)
        if proc.stdout.readline().strip() != "ready":
            stop(proc)
            return None
        return proc

    @staticmethod
    def play(proc):
        proc.stdin.write("play\n")
        proc.stdin.flush()


def mpv(cue):
    return subprocess.Popen(["mpv", "--no-config", "--no-terminal", "--no-video", "--ao=pulse",
                             f"--cdrom-device={cue}", "cdda://"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def heard_after(watch, t0):
    heard = watch.wait(SOUND_TIMEOUT)
    return None if heard is None else (heard - t0) * 1000


def ours_first_sound(watch, ours):
    full_volume()
    t_start = time.monotonic()
    proc = ours.start()
    if proc is None:
        return None, None
    watch.arm()
    t_play = time.monotonic()
    ours.play(proc)
    heard = watch.wait(SOUND_TIMEOUT)
    stop(proc)
    time.sleep(0.3)
    if heard is None:
        return None, None
    return (heard - t_play) * 1000, (heard - t_start) * 1000


def mpv_first_sound(watch, cue):
    full_volume()
    watch.arm()
    t0 = time.monotonic()
    proc = mpv(cue)
    result = heard_after(watch, t0)
    stop(proc)
    time.sleep(0.3)
    return result


def playing_cpu(proc):
    return cpu_percent(proc, settle=2.0, seconds=12.0)


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    with tempfile.TemporaryDirectory() as work:
        cue = make_disc(work)
        ours = Ours(sys.argv[1], cue)
        watch = SoundWatch()
        from_play, from_start, theirs = [], [], []
        cpu_ours, cpu_theirs = [], []
        try:
            for _ in range(rounds):
                a, b = ours_first_sound(watch, ours)
                from_play.append(a)
                from_start.append(b)
                theirs.append(mpv_first_sound(watch, cue))
            for _ in range(max(1, rounds // 2)):
                proc = ours.start()
                if proc is not None:
                    ours.play(proc)
                    cpu_ours.append(playing_cpu(proc))
                cpu_theirs.append(playing_cpu(mpv(cue)))
        finally:
            watch.stop()
    print(f"Audio CD from a disc image, medians of {rounds} rounds")
    show("first sound after play cd", median(from_play), median(theirs), "ms")
    show("first sound after process start", median(from_start), median(theirs), "ms")
    ours_cpu, mpv_cpu = median(cpu_ours), median(cpu_theirs)
    ratio = f"{ours_cpu / mpv_cpu:.2f}x" if ours_cpu and mpv_cpu else "n/a"
    fmt = lambda v: "n/a" if v is None else f"{v:.1f} %"  # noqa: E731
    print(f"  {'CPU while a track plays':<34} ours {fmt(ours_cpu):>9}   mpv {fmt(mpv_cpu):>9}   ratio {ratio}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
