"""The picker's window on a real X server with a window manager.

The binaries come from the environment that CTest sets:
PALETTE_BIN (color-palette), PALETTE_NO_HOOKS_BIN (the window without a
controller) and PALETTE_EVENT_LOG_BIN (a controller that prints each event).
"""
import os
import subprocess
import unittest

from xsession import XSession

PALETTE = os.environ.get("PALETTE_BIN", "")
NO_HOOKS = os.environ.get("PALETTE_NO_HOOKS_BIN", "")
EVENT_LOG = os.environ.get("PALETTE_EVENT_LOG_BIN", "")
TITLE = "^Color Palette$"
WHITE = b"\xff\xff\xff"

# Canvases in client pixels: ColorField, LightnessBar, CurrentSwatch and the sixteen palette swatches.
CANVASES = [(5, 15, 257, 257), (275, 15, 28, 257), (415, 25, 70, 35)] + [
    (20 + 30 * column, 290 + 30 * row, 20, 20) for row in range(2) for column in range(8)]


class PickerTestCase(unittest.TestCase):
    def open(self, binary):
        """A fresh X session with `binary` started in it and its window framed."""
        self.x = XSession()
        self.x.__enter__()
        self.addCleanup(self.x.close)
        self.app = self.x.start([binary])
        # The picker centres itself anew once it knows its frame: the tests aim at where it ends up.
        self.window = self.x.wait_for_window(TITLE, self.app, placed=self.centred)
        # Keys go where the focus is, and the window manager hands it over on its own time.
        self.x.poll(lambda: self.x.active_window() == self.window.wid, "the picker's window is not active")
        return self.window

    def centred(self, window):
        return (window.outer_x, window.outer_y) == ((self.x.width - window.outer_width) // 2,
                                                    (self.x.height - window.outer_height) // 2)

    def at(self, x, y):
        """A client position on the screen."""
        return self.window.client_x + x, self.window.client_y + y

    def client_pixels(self, x, y, width, height):
        return self.x.screenshot().region(self.window.client_x + x, self.window.client_y + y, width, height)

    def canvas_colors(self, shot, canvas):
        x, y, width, height = canvas
        return shot.colors(self.window.client_x + x, self.window.client_y + y, width, height)

    def assert_closes_cleanly(self):
        self.assertEqual(self.app.wait(), 0)
        self.assertEqual(self.app.stdout(), "")
        self.assertEqual(self.app.stderr(), "")


class WindowTest(PickerTestCase):
    def test_title_size_and_centring(self):
        window = self.open(PALETTE)
        self.assertEqual(self.x.title(window.wid), "Color Palette")
        self.assertEqual((window.width, window.height), (501, 355))
        self.assertGreater(window.frame_top, 0, "openbox frames the window")
        self.assertEqual(window.outer_x, (self.x.width - window.outer_width) // 2)
        self.assertEqual(window.outer_y, (self.x.height - window.outer_height) // 2)
        hints = self.x.run(["xprop", "-id", str(window.wid), "WM_NORMAL_HINTS"])
        self.assertIn("program specified minimum size: 501 by 355", hints)
        self.assertIn("program specified maximum size: 501 by 355", hints)
        self.assertEqual(self.x.active_window(), window.wid)

    def test_alt_f4_closes_with_code_0_and_prints_nothing(self):
        self.open(PALETTE)
        self.x.click(*self.at(100, 100))
        self.x.key("Tab", "1", "2", "Tab")
        self.x.key("alt+F4")
        self.assert_closes_cleanly()

    def test_close_box_closes_with_code_0(self):
        window = self.open(PALETTE)
        # openbox draws the close box last in the title bar, at its right end.
        self.x.click(window.outer_x + window.outer_width - 12, window.outer_y + window.frame_top // 2)
        self.assert_closes_cleanly()

    def test_without_controller_all_controls_show_and_input_is_ignored(self):
        self.open(NO_HOOKS)

        def shown():
            shot = self.x.screenshot(keep_as=os.environ.get("PALETTE_SHOT"))
            return shot if all(self.canvas_colors(shot, canvas) == {WHITE} for canvas in CANVASES) else None
        shot = self.x.poll(shown, "the canvases do not all show white")
        face = shot.pixel(*self.at(2, 2))
        self.assertNotEqual(face, tuple(WHITE))
        self.assertEqual(shot.pixel(*self.at(19, 290)), face, "nothing left of the first swatch")
        self.assertEqual(shot.pixel(*self.at(262, 100)), face, "nothing right of the field")
        before = shot.region(self.window.client_x, self.window.client_y, 501, 355)

        # No focus owner: typing reaches no control. Clicks and drags on canvases change nothing.
        self.x.key("5", "Return", "Escape")
        self.x.click(*self.at(100, 100))
        self.x.click(*self.at(290, 50), repeat=2)
        self.x.drag([self.at(50, 50), self.at(150, 120), self.at(-30, 400), self.at(200, 200)])
        self.x.click(*self.at(25, 295))
        self.x.settle()
        self.assertEqual(self.client_pixels(0, 0, 501, 355), before)

        # Tab gives RedEdit the focus: the typed text shows there and nowhere else.
        self.x.key("Tab")
        self.x.type("12")
        red_edit = shot.region(*self.at(350, 125), 40, 25)

        def typed():
            now = self.x.screenshot()
            return now if now.region(*self.at(350, 125), 40, 25) != red_edit else None
        after = self.x.poll(typed, "the typed text does not show in RedEdit")
        for canvas in CANVASES:
            self.assertEqual(self.canvas_colors(after, canvas), {WHITE})
        self.assertEqual(after.region(*self.at(415, 60), 70, 35), shot.region(*self.at(415, 60), 70, 35))
        self.assertTrue(self.app.alive())

        self.x.key("alt+F4")
        self.assert_closes_cleanly()


class EventTest(PickerTestCase):
    """What the window hands the controller for real X input."""

    def events(self):
        """The events printed since the last call, once the output has stopped growing."""
        output = None
        for _ in range(50):
            self.x.settle(0.15)
            latest = self.app.stdout()
            if latest == output:
                break
            output = latest
        lines = output.splitlines()
        new, self.seen = lines[self.seen:], len(lines)
        return new

    def open_logged(self):
        self.open(EVENT_LOG)
        self.seen = 0
        self.assertEqual(self.events()[:1], ["ready"])
        # Park the pointer off every control.
        self.x.move(*self.at(290, 300))
        self.events()

    def test_drag_is_captured_beyond_the_field_and_double_click_presses_twice(self):
        self.open_logged()
        self.x.move(*self.at(55, 65))
        self.x.move(*self.at(56, 65))
        self.assertEqual(self.events(), ["0 OtherKind 50 50 0", "0 OtherKind 50 50 0", "0 MouseMove 51 50 0"])

        self.x.drag([self.at(60, 60), self.at(-20, -10), self.at(400, 300), self.at(70, 70)])
        self.assertEqual(self.events(), ["0 MouseMove 55 45 0", "0 LeftButtonDown 55 45 1", "0 MouseMove -25 -25 1",
                                         "0 MouseMove 395 285 1", "0 MouseMove 65 55 1", "0 OtherKind 65 55 0"])

        # After a release outside, movement outside is not the field's any more.
        self.x.drag([self.at(60, 60), self.at(-20, -10)])
        self.x.move(*self.at(-40, 20))
        self.assertEqual(self.events()[-3:], ["0 MouseMove -25 -25 1", "0 OtherKind -25 -25 0",
                                              "0 OtherKind -25 -25 0"])

        self.x.click(*self.at(30, 40), repeat=2)
        presses = [e for e in self.events() if "LeftButtonDown" in e]
        self.assertEqual(presses, ["0 LeftButtonDown 25 25 1"] * 2)

        self.x.click(*self.at(30, 40), button=3)
        self.assertEqual(self.events(), ["0 OtherKind 25 25 2", "0 OtherKind 25 25 0"])

    def test_typing_tab_and_deactivation(self):
        self.open_logged()
        self.x.key("5")
        self.assertEqual(self.events(), [], "no control has the focus at first")

        self.x.key("Tab", "Tab", "Tab")
        self.x.type("7")
        self.assertEqual(self.events(), ["17 OtherKind 0 0 0", "17 FocusLost 0 0 0", "18 OtherKind 0 0 0",
                                         "18 FocusLost 0 0 0", "19 OtherKind 0 0 0", "19 TextChange 0 0 0"])

        # Another window takes the focus, then the picker gets it back for the same field.
        other = self.x.start(["xmessage", "-geometry", "+0+0", "another window"])
        self.x.poll(lambda: self.x.find_windows("^xmessage$"), "xmessage did not appear")
        self.x.xdotool("windowactivate", "--sync", self.x.find_windows("^xmessage$")[0])
        self.assertEqual(self.events(), ["19 FocusLost 0 0 0"])
        self.x.xdotool("windowactivate", "--sync", self.window.wid)
        self.assertEqual(self.events(), ["19 OtherKind 0 0 0"])
        self.x.type("8")
        self.assertEqual(self.events(), ["19 TextChange 0 0 0"])

        # The field's context menu takes the focus only for a moment: the field is not left.
        self.x.click(*self.at(370, 207), button=3)
        self.x.key("Escape")
        self.assertEqual(self.events(), [])

        # Clicking a canvas leaves the focus where it is.
        self.x.click(*self.at(100, 100))
        self.x.type("9")
        self.assertEqual(self.events(), ["0 OtherKind 95 85 0", "0 OtherKind 95 85 0", "0 LeftButtonDown 95 85 1",
                                         "0 OtherKind 95 85 0", "19 TextChange 0 0 0"])
        other.process.kill()


class NoWindowTest(unittest.TestCase):
    """Where no window can be opened the program ends at once, silently, with code 0."""

    def check_silent_exit(self, **changes):
        env = dict(os.environ)
        for key in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            env.pop(key, None)
        env.update(changes)
        env.setdefault("XDG_RUNTIME_DIR", "/tmp")
        result = subprocess.run([PALETTE], env=env, capture_output=True, timeout=20, stdin=subprocess.DEVNULL)
        self.assertEqual((result.returncode, result.stdout, result.stderr), (0, b"", b""))

    def test_no_display(self):
        self.check_silent_exit()

    def test_display_without_server(self):
        self.check_silent_exit(DISPLAY=":59999")

    def test_platform_that_cannot_start(self):
        self.check_silent_exit(QT_QPA_PLATFORM="no-such-platform")

    def test_xcb_without_display(self):
        self.check_silent_exit(QT_QPA_PLATFORM="xcb")


if __name__ == "__main__":
    unittest.main()
