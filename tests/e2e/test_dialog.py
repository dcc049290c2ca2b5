"""Configuration mode ("/c"): the information dialog; OK, losing the focus or closing it ends."""

import os
import time
import unittest

import program
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
# A desktop whose only face is DejaVu Sans, the one Wine draws the dialog in: both programs alike.
DEJAVU_ONLY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "dejavu_only_fonts.conf")
# left, top, width, height in twips, on the client area (a frame's place added)
LABELS = {"Label1": (240, 480, 1935, 255), "Label2": (240, 720, 4095, 255),
          "Label6": (120, 2520, 1815, 255), "Label7": (120, 3840, 4455, 255)}
TEXT1 = (1920, 2520, 1695, 1215)
CARET = 40  # pixels a blinking caret may change in the box
INK_FROM_TOP = 2  # pixels above the tallest letters of a line of DejaVu Sans drawn from the top
MOTIF_HINTS = "_MOTIF_WM_HINTS"  # flags, functions, decorations, ...: what the title bar offers
BUTTONS = {"minimise": (8, 32), "maximise": (16, 64), "close": (32, None)}  # function, decoration


def _pixels(rectangle):
    left, top, width, height = (v // TWIPS_PER_PIXEL for v in rectangle)
    return left, top, left + width - 1, top + height - 1


def _offered(hints, field, bit):
    """A Motif function or decoration that the window leaves on; with bit 1 set, the others."""
    if bit is None or not hints[0] & (1 << (field - 1)):
        return True
    return bool(hints[field] & bit) != bool(hints[field] & 1)


def title_bar_buttons(x, window):
    hints = window.get_full_property(x.intern_atom(MOTIF_HINTS), 0)
    values = list(hints.value) if hints else [0, 0, 0]
    return {name for name, (function, decoration) in BUTTONS.items()
            if _offered(values, 1, function) and _offered(values, 2, decoration)}


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

    @unittest.skipUnless(program.under_wine(), "the Linux dialog is measured by the backend tests")
    def test_every_caption_fits_on_one_line_and_the_address_box_wraps_none(self):
        """Measured inside the program's own process by the platform's own text measure."""
        checker = os.path.join(os.path.dirname(self.target.executable), "dialog_layout_check.exe")
        run = program.Run(["wine", checker, "/c"],
                          {**self.env, **program.WINE_ENVIRONMENT, "WINEPREFIX": self.target.prefix})
        self.addCleanup(run.stop)
        status = run.wait(self.target.startup)
        out, err = run.output()
        print(out)
        self.assertEqual(status, 0, f"{out}{err}")

    def test_labels_draw_from_their_tops_and_the_title_bar_offers_close_only(self):
        self.env = {**self.env, "FONTCONFIG_FILE": DEJAVU_ONLY}
        _, window = self.show_dialog()
        self.assertEqual(title_bar_buttons(self.x, window), {"close"})
        shot = self.painted(*xwindows.geometry_on_screen(self.x, window))
        background = shot.most_common_colour()
        for name, rectangle in LABELS.items():
            left, top, right, bottom = _pixels(rectangle)
            inked = [y for y in range(top, bottom + 1)
                     if any(shot.pixel(x, y) != background for x in range(left, right + 1))]
            self.assertTrue(inked, f"nothing written in {name}")
            self.assertLessEqual(inked[0] - top, INK_FROM_TOP, f"{name} ink starts lower")

    def test_ctrl_z_in_the_text_box_undoes_nothing_of_the_stored_text(self):
        run, window = self.show_dialog()
        xinput.press_keys(self.x, "Tab")
        xinput.press_keys(self.x, "Control_L", "Home")  # no selection, whose end could change
        self.assert_still_running(run, window)
        left, top, right, bottom = _pixels(TEXT1)
        inside = xwindows.geometry_on_screen(self.x, window)[:2]
        box = (inside[0] + left, inside[1] + top, right - left + 1, bottom - top + 1)
        before = screen.grab(self.x, *box)
        xinput.press_keys(self.x, "Control_L", "z")
        self.assert_still_running(run, window)
        after = screen.grab(self.x, *box)
        changed = sum(before.pixel(x, y) != after.pixel(x, y)
                      for y in range(before.height) for x in range(before.width))
        self.assertLessEqual(changed, CARET, "the text box's text changed")

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
