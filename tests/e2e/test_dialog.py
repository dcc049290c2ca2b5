"""Configuration mode ("/c"): the information dialog; OK, losing the focus or closing it ends."""

import time
import unittest

import screen
import xinput
import xwindows
from e2e_case import POLL, EndToEnd

TITLE = "Skarvelunde Screen Saver"
CLIENT_SIZE = (318, 287)  # 4770 x 4305 twips at 96 dpi
# left, top, width, height in twips, on the client area
FRAMES = {"Frame1": (0, 120, 4695, 1455), "Frame2": (0, 1560, 4695, 2655)}
BUTTON = (3600, 1080, 975, 375)
TWIPS_PER_PIXEL = 15
SLACK = 2  # pixels a style may draw an outline inside its rectangle


def _pixels(rectangle):
    left, top, width, height = (v // TWIPS_PER_PIXEL for v in rectangle)
    return left, top, left + width - 1, top + height - 1


class Dialog(EndToEnd):
    def show_dialog(self):
        run = self.start("/c")
        window, _ = self.wait_for_window(run, TITLE)
        self.assert_only_shown(window)
        self.wait_for_focus(window)
        return run, window

    def painted(self, left, top, width, height):
        """The client area once drawn: a window can be shown and focused before its first paint,
        the more so in the slower sanitizer build."""
        deadline = time.monotonic() + self.target.startup
        while True:
            shot = screen.grab(self.x, left, top, width, height)
            uniform = len(set(shot.bgr[i:i + 3] for i in range(0, len(shot.bgr), 3))) == 1
            if not uniform or time.monotonic() > deadline:
                return shot
            time.sleep(POLL)

    def assert_line(self, shot, background, name, points_of_line, offsets):
        """Some line near the expected one, nearly all of it off the background colour."""
        best = 0.0
        for offset in offsets:
            points = points_of_line(offset)
            best = max(best, sum(shot.pixel(x, y) != background for x, y in points) / len(points))
        self.assertGreater(best, 0.9, f"no outline at {name}")

    def assert_outline(self, shot, background, name, rectangle, top_edge=True):
        left, top, right, bottom = _pixels(rectangle)
        inward, outward = range(0, SLACK + 1), range(0, -SLACK - 1, -1)
        rows = range(top + 12, bottom - 4)  # below a frame's title
        columns = range(left + 6, right - 5)
        self.assert_line(shot, background, f"{name} left", lambda d: [(left + d, y) for y in rows], inward)
        self.assert_line(shot, background, f"{name} right", lambda d: [(right + d, y) for y in rows], outward)
        self.assert_line(shot, background, f"{name} bottom", lambda d: [(x, bottom + d) for x in columns], outward)
        if top_edge:
            self.assert_line(shot, background, f"{name} top", lambda d: [(x, top + d) for x in columns], inward)

    def assert_holds_text(self, shot, background, name, rectangle):
        left, top, right, bottom = _pixels(rectangle)
        inside = shot.crop(left + 6, top + 12, right - left - 12, bottom - top - 16)
        marked = sum(inside.pixel(x, y) != background for y in range(inside.height) for x in range(inside.width))
        self.assertGreater(marked, 300, f"nothing written in {name}")

    def test_layout_and_return_presses_ok(self):
        run, window = self.show_dialog()
        left, top, width, height = xwindows.geometry_on_screen(self.x, window)
        self.assertEqual((width, height), CLIENT_SIZE, "client area")
        shot = self.painted(left, top, width, height)
        background = shot.most_common_colour()
        for name, rectangle in FRAMES.items():
            self.assert_outline(shot, background, name, rectangle, top_edge=False)
            self.assert_holds_text(shot, background, name, rectangle)
        self.assert_outline(shot, background, "Command1", BUTTON)
        xinput.press_keys(self.x, "Return")
        self.assert_ends(run)

    def test_tab_and_escape_do_not_end_but_a_close_request_does(self):
        run, window = self.show_dialog()
        for key in ("Tab", "Tab", "Escape"):
            xinput.press_keys(self.x, key)
        self.assert_still_running(run, window)
        xinput.request_close(self.x, window)
        self.assert_ends(run)

    def test_alt_o_from_the_text_box_presses_ok(self):
        run, window = self.show_dialog()
        xinput.press_keys(self.x, "Tab")
        self.assert_still_running(run, window, seconds=0.3)
        xinput.press_keys(self.x, "Alt_L", "o")
        self.assert_ends(run)

    def test_activating_another_window_ends(self):
        run, window = self.show_dialog()
        other = xinput.open_other_window(self.x)
        self.shown.ignore(other)
        xinput.request_activation(self.x, other)
        self.assert_ends(run)
        self.assert_only_shown(window)


if __name__ == "__main__":
    unittest.main(verbosity=2)
