#!/usr/bin/env python3
"""Start-up, idle and event-loop figures of the picker's window layer,
against a bare Qt window of the same size with a few widgets (bare_window).

Under Xvfb and openbox, for each program:
- start-up: wall time until the window is mapped and CPU time until the
  process has gone quiet (bench/startup_probe), median of ROUNDS runs;
- idle: CPU share of one core over IDLE_SECONDS of idling, and RSS; a loop
  that only sleeps 20 ms at a time (wake_floor) shows what the wake-ups
  alone cost on this machine;
- loop: CPU time per pointer-motion event during a real xdotool drag over
  the colour field, with the picker's loop (the window without a
  controller, so that only the window layer works) against exec().

    bench/measure_startup.py [build directory] [rounds] [idle seconds]
"""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xsession import XSession  # noqa: E402

MOVES = 2000


def cpu_ns(pid):
    """CPU time of every live thread of a process."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except FileNotFoundError:
            pass
    return total


def rss_mib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0.0


def startup(x, build, program):
    viewable, cpu, _ = x.run([f"{build}/bench/startup_probe", program], timeout=60).split()
    return float(viewable), float(cpu)


def idle(x, program, title, seconds):
    """CPU % of one core while idling, and RSS in MiB."""
    app = x.start([program])
    try:
        if title:
            x.wait_for_window(title, app)
        time.sleep(2)
        before, started = cpu_ns(app.pid), time.monotonic()
        time.sleep(seconds)
        share = (cpu_ns(app.pid) - before) / 1e9 / (time.monotonic() - started) * 100
        return share, rss_mib(app.pid)
    finally:
        app.process.kill()
        app.process.wait()


def per_motion_us(x, program, title):
    """CPU per motion event while the left button drags over the field."""
    app = x.start([program])
    try:
        window = x.wait_for_window(title, app)
        left, top = window.client_x + 5, window.client_y + 15
        args = ["mousemove", left + 5, top + 5, "mousedown", 1]
        for i in range(MOVES):
            args += ["sleep", "0.002", "mousemove", left + 5 + (i * 7) % 247, top + 5 + (i * 3) % 247]
        args += ["mouseup", 1]
        x.move(left + 4, top + 4)
        x.settle(0.5)
        before = cpu_ns(app.pid)
        x.run(["xdotool", *map(str, args)], timeout=120)
        x.settle(0.5)
        return (cpu_ns(app.pid) - before) / MOVES / 1000
    finally:
        app.process.kill()
        app.process.wait()


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    idle_seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 10
    title = "^Color Palette$"
    windows = {
        "color-palette": (f"{build}/app/color-palette", title),
        "window, no controller": (f"{build}/tests/e2e/picker-no-hooks", title),
        "bare Qt window": (f"{build}/bench/bare_window", "^Bare Window$"),
    }
    with XSession() as x:
        started = {name: [startup(x, build, path) for _ in range(rounds)] for name, (path, _) in windows.items()}
        idling = {name: idle(x, path, pattern, idle_seconds) for name, (path, pattern) in windows.items()}
        idling["20 ms sleep loop (floor)"] = idle(x, f"{build}/bench/wake_floor", None, idle_seconds)
        motion = {name: [per_motion_us(x, path, pattern) for _ in range(rounds)]
                  for name, (path, pattern) in windows.items() if name != "color-palette"}

    print(f"start-up, median of {rounds}: ms until viewable / ms CPU until idle")
    for name, runs in started.items():
        print(f"  {name:26} {statistics.median(r[0] for r in runs):6.1f} / {statistics.median(r[1] for r in runs):6.1f}"
              "   runs: " + ", ".join(f"{v:.0f}/{c:.0f}" for v, c in runs))
    print(f"idle over {idle_seconds:g} s: CPU % of one core, RSS MiB")
    for name, (share, rss) in idling.items():
        print(f"  {name:26} {share:6.3f} %  {rss:5.1f} MiB")
    print(f"CPU per motion event over a {MOVES}-move drag, median of {rounds}: us")
    for name, runs in motion.items():
        print(f"  {name:26} {statistics.median(runs):6.1f}   runs: " + ", ".join(f"{r:.0f}" for r in runs))


if __name__ == "__main__":
    main()
