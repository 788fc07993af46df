#!/usr/bin/env python3
"""CPU time per pointer-motion event during a real left-button drag.

Starts Xvfb and openbox, then alternately runs the picker and a plain
QColorDialog (bench/qcolordialog_peer), drives the same 2,000-move drag over
each one's colour field with a single xdotool command, and reads the process's
CPU time from /proc/PID/task/*/schedstat before and after.

    bench/measure_drag.py build/release [rounds]
"""
import os
import statistics
import subprocess
import sys
import time

MOVES = 2000


def free_display():
    for n in range(90, 200):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return n
    raise RuntimeError("no free display number")


def cpu_ns(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as f:
            total += int(f.read().split()[0])
    return total


def client_corner(env, wid):
    # xwininfo gives the client area's corner; xdotool's window geometry is off
    # by the window manager's frame.
    info = subprocess.run(["xwininfo", "-id", wid], env=env, capture_output=True, text=True, timeout=10).stdout
    values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
    return int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])


def wait_for_window(env, name):
    """The client corner of the named window once the window manager has placed it."""
    out = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", name],
                         env=env, capture_output=True, text=True, timeout=20).stdout.split()
    corner = client_corner(env, out[0])
    for _ in range(50):
        time.sleep(0.1)
        previous, corner = corner, client_corner(env, out[0])
        if corner == previous:
            break
    return corner


def drag_command(x0, y0, width, height):
    # A path that changes the position on every move and stays inside the field.
    args = ["xdotool", "mousemove", str(x0 + 5), str(y0 + 5), "mousedown", "1"]
    for i in range(MOVES):
        x = x0 + 5 + (i * 7) % (width - 10)
        y = y0 + 5 + (i * 3) % (height - 10)
        args += ["sleep", "0.002", "mousemove", str(x), str(y)]
    args += ["mouseup", "1"]
    return args


def measure(env, command, locate):
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    try:
        x0, y0, width, height = locate(process)
        time.sleep(0.5)
        before = cpu_ns(process.pid)
        started = time.monotonic()
        subprocess.run(drag_command(x0, y0, width, height), env=env, check=True, timeout=120)
        elapsed = time.monotonic() - started
        time.sleep(0.5)
        after = cpu_ns(process.pid)
        return (after - before) / MOVES / 1000.0, MOVES / elapsed
    finally:
        process.kill()
        process.wait()


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/release"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    display = free_display()
    env = dict(os.environ, DISPLAY=f":{display}")
    env.pop("WAYLAND_DISPLAY", None)
    env["QT_QPA_PLATFORM"] = "xcb"
    xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], env=env, capture_output=True).returncode == 0:
                break
            time.sleep(0.05)
        wm = subprocess.Popen(["openbox"], env=env, stderr=subprocess.DEVNULL)
        time.sleep(0.5)

        def locate_picker(_process):
            x, y = wait_for_window(env, "^Color Palette$")
            return x + 5, y + 15, 257, 257

        def locate_peer(process):
            fields = process.stdout.readline().split()
            return tuple(int(v) for v in fields)

        picker, peer = [], []
        for _ in range(rounds):
            picker.append(measure(env, [f"{build}/app/color-palette"], locate_picker))
            peer.append(measure(env, [f"{build}/bench/qcolordialog_peer"], locate_peer))
        wm.kill()
    finally:
        xvfb.kill()

    p = statistics.median(cpu for cpu, _ in picker)
    q = statistics.median(cpu for cpu, _ in peer)
    rate = statistics.median(r for _, r in picker + peer)
    print(f"moves per second (median): {rate:.0f}")
    print("picker us/move:       " + " ".join(f"{cpu:.0f}" for cpu, _ in picker) + f"  median {p:.0f}")
    print("QColorDialog us/move: " + " ".join(f"{cpu:.0f}" for cpu, _ in peer) + f"  median {q:.0f}")
    print(f"ratio picker/QColorDialog: {p / q:.2f}")


if __name__ == "__main__":
    main()
