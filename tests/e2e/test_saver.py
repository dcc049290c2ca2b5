"""Saver mode ("/s"): a black full-screen window; every 2 s a stored picture and a quotation."""

import time
import unittest
from dataclasses import dataclass

import pictures
import program
import screen
import xinput
import xwindows
from e2e_case import POLL, EndToEnd

TITLE = "Tesk screen saver"


@dataclass
class Clock:
    """Where the saver's ticks are looked for, in seconds after `origin`."""

    origin: float
    black: float  # how long the screen stays black
    late: float  # room added to every tick's deadline

    def black_until(self):
        return self.origin + self.black

    def tick_deadline(self, seconds):
        return self.origin + seconds + self.late


class Saver(EndToEnd):
    """Ticks count from the load, just before the window appears. The Linux program's clock is
    its start; Wine's start-up is long and uneven, so there the clock is the window's
    appearance, with a little more room for Wine's lag. The sanitizer build, which records a full
    stack for every allocation, comes late to its first tick: its timing is proven loosely, the
    plain build's strictly."""

    def show_saver(self):
        run = self.start("/s")
        window, appeared = self.wait_for_window(run, TITLE)
        self.assertEqual(xwindows.geometry_on_screen(self.x, window),
                         (0, 0, self.display.width, self.display.height), "covers the screen")
        if program.under_wine():
            return run, window, Clock(appeared, black=1.5, late=0.6)
        late = 0.6 if program.sanitized(self.target.executable) else 0.0
        return run, window, Clock(run.started, black=1.8, late=late)

    def assert_black_until(self, moment):
        shots = 0
        while (shot := screen.grab(self.x)).received < moment:
            self.assertEqual(shot.coloured_count(), 0,
                             f"something drawn {shot.received - moment:+.2f} s before the first tick")
            shots += 1
        self.assertGreater(shots, 0, "no look at the screen before the first tick")

    def wait_for_picture(self, index, deadline, text=False):
        """Corner of stored picture `index`, seen in a shot taken by `deadline`; with `text`,
        also some coloured pixels outside it in the same shot."""
        picture = pictures.stored_picture(index)
        samples = pictures.sample_blocks(picture)
        self.assertGreaterEqual(len(samples), 4, f"picture {index} has too few distinct blocks")
        while True:
            shot = screen.grab(self.x)
            if shot.taken > deadline:
                self.fail(f"picture {index}{' and a text' if text else ''} not shown in time")
            corner = pictures.find_corner(shot, picture, samples)
            if corner and (not text or shot.coloured_count((*corner, picture.width, picture.height)) > 20):
                return corner
            time.sleep(POLL)

    def assert_in_upper_left_quarter(self, corner):
        left, top = corner
        self.assertTrue(0 <= left < self.display.width // 2 and 0 <= top < self.display.height // 2,
                        f"corner {corner}")

    def test_pictures_and_quotations_arrive_on_the_ticks_and_a_letter_ends(self):
        run, window, clock = self.show_saver()
        self.assert_black_until(clock.black_until())
        corner = self.wait_for_picture(2, clock.tick_deadline(2.6), text=True)
        self.assert_in_upper_left_quarter(corner)
        corner = self.wait_for_picture(3, clock.tick_deadline(4.6))
        self.assert_in_upper_left_quarter(corner)
        self.assert_only_shown(window)

        self.wait_for_focus(window)
        xinput.press_keys(self.x, "Shift_L")
        for place in ((10, 10), (960, 540), (1900, 1060)):
            xinput.move_pointer(self.x, *place)
        self.assert_still_running(run, window)
        xinput.press_keys(self.x, "q")
        self.assert_ends(run)

    def test_close_request_ends(self):
        run, window, _ = self.show_saver()
        xinput.request_close(self.x, window)
        self.assert_ends(run)
        self.assert_only_shown(window)


if __name__ == "__main__":
    unittest.main(verbosity=2)
