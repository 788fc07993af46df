"""The whole picker on a real X server: real pointer and keyboard input
through xdotool, and the field, the bar and the new-colour swatch read back
from screenshots and compared with pictures computed here from the drawing
rules and hsl_oracle (a separate derivation of the colour conversions).

The text of the red, green and blue fields cannot be read off the screen
exactly; the swatch, which takes the colour of every pick and typed value,
stands in for them.
"""
import functools
import unittest

from hsl_oracle import hsl_to_rgb, rgb_to_hsl
from test_window import PALETTE, PickerTestCase

FIELD = (5, 15, 257, 257)
BAR = (275, 15, 28, 257)
SWATCH = (415, 60, 70, 35)
BLACK = (0, 0, 0)


def clamp(value):
    return min(max(value, 0), 255)


@functools.lru_cache(maxsize=None)
def field_plane():
    """The field without its crosshair: mid lightness, hue across, saturation falling downward."""
    rows = []
    for y in range(257):
        row = bytearray()
        for x in range(257):
            frame = x in (0, 256) or y in (0, 256)
            row += bytes(BLACK if frame else hsl_to_rgb(x, 127.5, 256 - y))
        rows.append(row)
    return rows


def crosshair_centre(hue, saturation):
    x, y = hue, 255 - saturation
    return (x + 1 if x < 255 else x), (y + 1 if y < 255 else y)


def field_picture(hue, saturation):
    rows = [bytearray(row) for row in field_plane()]
    cx, cy = crosshair_centre(hue, saturation)
    for left, top, width, height in ((cx - 1, cy - 9, 3, 5), (cx - 1, cy + 5, 3, 5),
                                     (cx - 9, cy - 1, 5, 3), (cx + 5, cy - 1, 5, 3)):
        for y in range(max(top, 0), min(top + height, 257)):
            for x in range(max(left, 0), min(left + width, 257)):
                rows[y][3 * x:3 * x + 3] = bytes(BLACK)
    return b"".join(rows)


def bar_picture(hue, lightness, saturation, face):
    tip = min(max(255 - lightness, 5), 250)
    rows = []
    for y in range(257):
        row = bytearray()
        for x in range(28):
            k = x - 22
            pointer = (0 <= k <= 4 and abs(y - tip) <= k) or (x == 27 and abs(y - tip) <= 5)
            if x <= 19:
                edge = x in (0, 19) or y in (0, 256)
                row += bytes(BLACK if edge else hsl_to_rgb(hue, 256 - y, saturation))
            else:
                row += bytes(BLACK if pointer else face)
        rows.append(row)
    return b"".join(rows)


class PickerViewsTest(PickerTestCase):
    """What each kind of input shows on the field, the bar and the swatch."""

    def setUp(self):
        self.open(PALETTE)
        # The window's first picture is up once the swatch shows the start-up colour.
        self.face = self.swatch_shows(hsl_to_rgb(0, 127, 0)).pixel(*self.at(2, 2))

    def region(self, shot, rect):
        x, y, width, height = rect
        return shot.region(self.window.client_x + x, self.window.client_y + y, width, height)

    def swatch_shows(self, rgb):
        """Waits until the whole swatch has the colour; the screenshot that shows it."""
        wanted = bytes(rgb) * (SWATCH[2] * SWATCH[3])

        def shown():
            shot = self.x.screenshot()
            return shot if self.region(shot, SWATCH) == wanted else None
        try:
            return self.x.poll(shown, "swatch colour", timeout=5, interval=0.05)
        except AssertionError:
            shot = self.x.screenshot()
            self.fail(f"swatch shows {shot.colors(*self.at(SWATCH[0], SWATCH[1]), SWATCH[2], SWATCH[3])}, "
                      f"expected {rgb}")

    def assert_views(self, hue, lightness, saturation):
        """The field, the bar and the swatch for this state."""
        shot = self.swatch_shows(hsl_to_rgb(hue, lightness, saturation))
        self.assert_same_pixels(self.region(shot, FIELD), field_picture(hue, saturation), FIELD[2], "field")
        self.assert_same_pixels(self.region(shot, BAR), bar_picture(hue, lightness, saturation, self.face),
                                BAR[2], "bar")

    def assert_same_pixels(self, actual, expected, width, name):
        if actual == expected:
            return
        first = next(i for i in range(0, len(expected), 3) if actual[i:i + 3] != expected[i:i + 3]) // 3
        self.fail(f"{name} pixel ({first % width}, {first // width}) is {tuple(actual[3 * first:3 * first + 3])}, "
                  f"expected {tuple(expected[3 * first:3 * first + 3])}")

    def field(self, x, y):
        return self.at(FIELD[0] + x, FIELD[1] + y)

    def bar(self, x, y):
        return self.at(BAR[0] + x, BAR[1] + y)

    def test_start_up_pictures(self):
        self.assert_views(0, 127, 0)
        # As the drawing rules put it: crosshair centre (1, 255), pointer tip (22, 128), grey swatch.
        shot = self.x.screenshot()
        self.assertEqual(shot.pixel(*self.field(1, 250)), BLACK)
        self.assertEqual(shot.pixel(*self.field(1, 255)), hsl_to_rgb(1, 127.5, 1))
        self.assertEqual(shot.pixel(*self.bar(22, 128)), BLACK)
        self.assertEqual(shot.pixel(*self.bar(21, 128)), self.face)
        self.assertEqual(shot.pixel(*self.bar(9, 128)), (128, 128, 128))

    def test_press_at_the_field_origin_is_red(self):
        self.x.click(*self.field(0, 0))
        self.assertEqual(hsl_to_rgb(0, 127, 255), (254, 0, 0))
        self.assert_views(0, 127, 255)

    def test_drag_out_past_the_left_and_bottom_edges_is_grey(self):
        self.x.click(*self.field(0, 0))
        self.swatch_shows((254, 0, 0))
        self.x.drag([self.field(128, 128), self.field(60, 200), self.field(-30, 280), self.field(-60, 330)])
        self.assert_views(0, 127, 0)

    def test_bar_top_is_white_and_below_its_bottom_black(self):
        self.x.click(*self.field(128, 64))
        self.assert_views(128, 127, 191)
        self.x.click(*self.bar(10, 0))
        self.assert_views(128, 255, 191)
        self.x.drag([self.bar(10, 100), self.bar(12, 200), self.bar(14, 290)])
        self.assert_views(128, 0, 191)

    def test_typing_into_green_moves_the_views(self):
        self.x.key("Tab", "Tab", "ctrl+a")
        self.x.type("300")
        # Green is clamped to 255; red and blue keep the start-up 127.
        hue, lightness, saturation = rgb_to_hsl(127, 255, 127)
        self.assert_views(hue, lightness, saturation)
        self.x.key("Tab")
        self.x.click(*self.field(0, 0))
        self.assert_views(0, lightness, 255)

    def test_alt_f4_after_picks_and_typing_exits_with_0(self):
        self.x.drag([self.field(30, 30), self.field(300, -40)])
        self.x.key("Tab", "1")
        self.x.click(*self.bar(5, 30))
        self.swatch_shows(hsl_to_rgb(255, 225, 255))
        self.x.key("alt+F4")
        self.assert_closes_cleanly()


if __name__ == "__main__":
    unittest.main()
