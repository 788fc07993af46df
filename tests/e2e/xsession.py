"""A private X desktop for end-to-end tests: Xvfb on a free display,
openbox, the program under test, and helpers for input (xdotool), window
geometry (xwininfo, xprop) and screenshots (ImageMagick).

    with XSession() as x:
        app = x.start([binary])
        window = x.wait_for_window("^Color Palette$", app)
        x.click(window.client_x + 10, window.client_y + 20)
        shot = x.screenshot()

Every process the session starts is ended when the session closes, also
when a test fails half-way.
"""
import os
import shutil
import subprocess
import tempfile
import time

TIMEOUT = 10.0


class Screenshot:
    """The root window's pixels, read as raw RGB."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def region(self, x, y, width, height):
        """The rows of a rectangle as bytes, for comparing two shots."""
        return b"".join(self.data[((y + r) * self.width + x) * 3:((y + r) * self.width + x + width) * 3]
                        for r in range(height))

    def colors(self, x, y, width, height):
        """The set of colours in a rectangle."""
        block = self.region(x, y, width, height)
        return {block[i:i + 3] for i in range(0, len(block), 3)}


class Window:
    """A top-level client window: its client rectangle and the frame the window manager adds."""

    def __init__(self, wid, client_x, client_y, width, height, frame):
        self.wid = wid
        self.client_x, self.client_y = client_x, client_y
        self.width, self.height = width, height
        self.frame_left, self.frame_right, self.frame_top, self.frame_bottom = frame

    @property
    def outer_x(self):
        return self.client_x - self.frame_left

    @property
    def outer_y(self):
        return self.client_y - self.frame_top

    @property
    def outer_width(self):
        return self.width + self.frame_left + self.frame_right

    @property
    def outer_height(self):
        return self.height + self.frame_top + self.frame_bottom


class App:
    """A program started in the session; its output goes to files."""

    def __init__(self, process, out_path, err_path):
        self.process = process
        self.out_path, self.err_path = out_path, err_path

    @property
    def pid(self):
        return self.process.pid

    def alive(self):
        return self.process.poll() is None

    def wait(self, timeout=TIMEOUT):
        return self.process.wait(timeout=timeout)

    def stdout(self):
        with open(self.out_path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def stderr(self):
        with open(self.err_path, encoding="utf-8", errors="replace") as f:
            return f.read()


class XSession:
    def __init__(self, width=1280, height=1024, window_manager=True):
        self.width, self.height = width, height
        self.window_manager = window_manager
        self.processes = []
        self.tmp = tempfile.mkdtemp(prefix="palette-e2e-")
        runtime = os.path.join(self.tmp, "runtime")
        os.mkdir(runtime, 0o700)
        self.display = None
        self.env = {k: v for k, v in os.environ.items() if k not in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        # As on a desktop: Qt complains when there is no runtime directory.
        self.env["XDG_RUNTIME_DIR"] = runtime
        self.env["HOME"] = self.tmp

    # -- lifetime -----------------------------------------------------------

    def __enter__(self):
        try:
            self._start_server()
            if self.window_manager:
                self._start_window_manager()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.kill()
            try:
                process.wait(timeout=TIMEOUT)
            except subprocess.TimeoutExpired:
                pass
        self.processes = []
        shutil.rmtree(self.tmp, ignore_errors=True)

    def _spawn(self, args, env=None, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs):
        process = subprocess.Popen(args, env=env or self.env, stdout=stdout, stderr=stderr,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def _start_server(self):
        # -displayfd lets the server pick a free display number itself, so parallel tests never collide.
        read_end, write_end = os.pipe()
        try:
            self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{self.width}x{self.height}x24",
                         "-nolisten", "tcp", "-noreset"],
                        pass_fds=(write_end,))
            os.close(write_end)
            write_end = None
            number = b""
            deadline = time.monotonic() + TIMEOUT
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                chunk = os.read(read_end, 16)
                if not chunk:
                    break
                number += chunk
        finally:
            if write_end is not None:
                os.close(write_end)
            os.close(read_end)
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        self.display = f":{int(number)}"
        self.env["DISPLAY"] = self.display

    def _start_window_manager(self):
        log_path = os.path.join(self.tmp, "openbox.err")
        with open(log_path, "wb") as log:
            openbox = self._spawn(["openbox", "--sm-disable"], stderr=log)

        def ready():
            if openbox.poll() is not None:
                with open(log_path, encoding="utf-8", errors="replace") as f:
                    raise RuntimeError(f"openbox ended with code {openbox.returncode}: {f.read().strip()}")
            return "window id #" in self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        self.poll(ready, "openbox did not start")
        self._wait_for_window_manager_loop()

    def _wait_for_window_manager_loop(self):
        """openbox announces itself before its event loop runs, and a request
        that reaches it in between (a program mapping its window) can stay
        unanswered until some later event wakes it. Its answer to a change in
        the number of desktops comes only from the loop: ask for one more and
        back, asking again until the answer shows, before anything else starts."""
        def desktops():
            out = self.run(["xdotool", "get_num_desktops"], check=False).strip()
            return int(out) if out.isdigit() else 0
        count = self.poll(desktops, "openbox set no desktops")
        for wanted in (count + 1, count):
            def answered():
                self.xdotool("set_num_desktops", wanted)
                return desktops() == wanted
            self.poll(answered, "openbox does not answer requests")

    # -- programs -----------------------------------------------------------

    def run(self, args, check=True, env=None, timeout=TIMEOUT):
        result = subprocess.run(args, env=env or self.env, capture_output=True, text=True, timeout=timeout)
        if check and result.returncode != 0:
            raise RuntimeError(f"{args[0]} failed: {result.stderr.strip()}")
        return result.stdout

    def start(self, args, env=None):
        """Starts a program under test with stdout and stderr captured to files."""
        name = os.path.basename(args[0])
        out_path = os.path.join(self.tmp, f"{name}-{len(self.processes)}.out")
        err_path = os.path.join(self.tmp, f"{name}-{len(self.processes)}.err")
        with open(out_path, "wb") as out, open(err_path, "wb") as err:
            process = self._spawn(args, env=env, stdout=out, stderr=err)
        return App(process, out_path, err_path)

    @staticmethod
    def poll(condition, message, timeout=TIMEOUT, interval=0.02):
        """The first true value of `condition`; `message` (text, or a function
        that makes it) is the failure's once the timeout has passed."""
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > deadline:
                raise AssertionError(message() if callable(message) else message)
            time.sleep(interval)

    # -- windows ------------------------------------------------------------

    def find_windows(self, name_pattern):
        out = self.run(["xdotool", "search", "--onlyvisible", "--name", name_pattern], check=False)
        return [int(w) for w in out.split()]

    def wait_for_window(self, name_pattern, app=None, placed=None):
        """The first visible window whose title matches, once the window manager
        has framed it and `placed` accepts where it stands. A program may place
        itself again once it knows its frame, the later the slower it runs;
        without `placed` the window only has to stand still for a moment."""
        last = {}

        def found():
            if app is not None and not app.alive():
                raise AssertionError(f"program ended early with code {app.process.returncode}")
            for wid in self.find_windows(name_pattern):
                window = self.window(wid)
                if window is None or (self.window_manager and window.frame_top == 0):
                    continue
                place = vars(window)
                in_place = placed(window) if placed else last.get(wid) == place
                if in_place:
                    return window
                last[wid] = place
            return None
        return self.poll(found, lambda: f"no window named {name_pattern} in place; last seen {list(last.values())}",
                         interval=0.1 if placed is None else 0.02)

    def window(self, wid):
        info = self.run(["xwininfo", "-id", str(wid)], check=False)
        values = {}
        for line in info.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        if values.get("Map State") != "IsViewable":
            return None
        frame = (0, 0, 0, 0)
        extents = self.run(["xprop", "-id", str(wid), "_NET_FRAME_EXTENTS"], check=False)
        if "=" in extents:
            frame = tuple(int(v) for v in extents.split("=")[1].split(","))
        return Window(wid, int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                      int(values["Width"]), int(values["Height"]), frame)

    def title(self, wid):
        return self.run(["xdotool", "getwindowname", str(wid)]).strip()

    def active_window(self):
        out = self.run(["xdotool", "getactivewindow"], check=False).strip()
        return int(out) if out else None

    # -- input --------------------------------------------------------------

    def xdotool(self, *args):
        self.run(["xdotool", *[str(a) for a in args]])

    def move(self, x, y):
        self.xdotool("mousemove", x, y)

    def click(self, x, y, button=1, repeat=1):
        self.move(x, y)
        self.xdotool("click", "--repeat", repeat, "--delay", 50, button)

    def drag(self, points, button=1):
        """Presses at the first point, moves through the rest and releases at the last."""
        args = ["mousemove", points[0][0], points[0][1], "mousedown", button]
        for x, y in points[1:]:
            args += ["sleep", "0.02", "mousemove", x, y]
        args += ["sleep", "0.02", "mouseup", button]
        self.xdotool(*args)

    def key(self, *keys):
        self.xdotool("key", "--delay", 30, *keys)

    def type(self, text):
        self.xdotool("type", "--delay", 30, text)

    # -- pixels -------------------------------------------------------------

    def screenshot(self, keep_as=None):
        """The whole screen; `keep_as` also writes it to a PNG file for a look."""
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                              capture_output=True, timeout=TIMEOUT, check=True).stdout
        if keep_as:
            subprocess.run(["import", "-window", "root", keep_as], env=self.env, timeout=TIMEOUT, check=True)
        return Screenshot(self.width, self.height, data)

    def settle(self, seconds=0.2):
        """Gives the programs a moment to draw what the input changed."""
        time.sleep(seconds)
