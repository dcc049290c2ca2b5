"""What the saver drew stays: covered and uncovered, minimised and restored, or resized by
another program, the window shows every picture and text again, and its memory stays bounded."""

import time
import unittest

from Xlib import X
from Xlib.protocol import event

import program
import screen
import xinput
import xwindows
from e2e_case import POLL, EndToEnd

TITLE = "Tesk screen saver"
QUIET = 1.6  # seconds after a tick within which a check must end, before the next tick


def resident_bytes(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) * 1024
    return 0


class LastingImage(EndToEnd):
    def setUp(self):
        super().setUp()
        self.run_ = self.start("/s")
        self.window, _ = self.wait_for_window(self.run_, TITLE)
        self.last = screen.grab(self.x)

    def next_tick(self):
        """Waits for the screen to change, the mark of a tick, and to settle; the shot then."""
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            shot = screen.grab(self.x)
            if shot.bgr != self.last.bgr:
                while (settled := screen.grab(self.x)).bgr != shot.bgr:
                    shot = settled
                self.last = settled
                return settled
            time.sleep(POLL)
        self.fail("no tick within 5 s")

    def assert_comes_back(self, disturb, what):
        """Disturbs the window right after a tick; by the next one it shows what it showed."""
        for _ in range(3):
            before = self.next_tick()
            disturb()
            time.sleep(0.4)
            after = screen.grab(self.x)
            if after.received - before.taken < QUIET:
                self.assertTrue(after.bgr == before.bgr, f"{what}: the screen differs")
                return
        self.fail(f"{what}: never done between two ticks")

    def cover(self):
        root = self.x.screen().root
        cover = root.create_window(0, 0, self.display.width // 2, self.display.height // 2, 0,
                                   self.x.screen().root_depth, override_redirect=True,
                                   background_pixel=self.x.screen().white_pixel)
        cover.map()
        self.x.sync()
        time.sleep(0.2)
        cover.destroy()
        self.x.sync()

    def minimise_and_restore(self):
        change_state = event.ClientMessage(window=self.window,
                                           client_type=self.x.intern_atom("WM_CHANGE_STATE"),
                                           data=(32, [3, 0, 0, 0, 0]))  # IconicState
        self.x.screen().root.send_event(
            change_state, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.x.sync()
        time.sleep(0.2)
        xinput.request_activation(self.x, self.window)
        time.sleep(0.2)

    def test_covering_and_minimising_bring_back_what_was_drawn(self):
        self.assert_comes_back(self.cover, "covered")
        self.assert_comes_back(self.minimise_and_restore, "minimised")

    @unittest.skipIf(program.under_wine(), "the Linux program's memory")
    def test_another_program_resizing_it_gains_no_memory_and_loses_nothing(self):
        # With the window manager gone, any client's request reaches the window unchecked.
        self.display.stop_window_manager()
        time.sleep(0.5)
        self.last = screen.grab(self.x)  # the frame's going is no tick
        pid = self.run_.process.pid
        before = resident_bytes(pid)

        def grow():
            self.window.configure(width=32767, height=32767)
            self.x.sync()
            time.sleep(0.3)

        self.assert_comes_back(grow, "resized")
        self.assertEqual(xwindows.geometry_on_screen(self.x, self.window)[2:],
                         (self.display.width, self.display.height))
        self.assertLess(resident_bytes(pid) - before, 16 << 20, "memory grew with the window")
        self.assertTrue(self.run_.running())


if __name__ == "__main__":
    unittest.main(verbosity=2)
