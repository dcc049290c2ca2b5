"""A test case on a display of its own, with the executable under test and the checks they share."""

import time
import unittest

import program
import xwindows
from xsession import TestDisplay

POLL = 0.02  # seconds between looks at the display


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.target = program.from_environment()
        self.display = TestDisplay()
        self.addCleanup(self.display.close)
        self.x = self.display.x
        self.env = self.display.environment()
        self.addCleanup(self.target.clean_up, self.env)
        self.shown = xwindows.ShownWindows(self.x)

    def start(self, *arguments):
        run = self.target.start(list(arguments), self.env)
        self.addCleanup(run.stop)
        return run

    def wait_for_window(self, run, title):
        """The one viewable window with that title, and when it was first seen."""
        deadline = time.monotonic() + self.target.startup
        while time.monotonic() < deadline:
            self.shown.poll()
            windows = xwindows.viewable_windows_titled(self.x, self.x.screen().root, title)
            if windows:
                appeared = time.monotonic()
                self.shown.poll()
                self.assertEqual(len(windows), 1, f"more than one window titled {title!r}")
                return windows[0], appeared
            if not run.running():
                self.fail(f"ended with status {run.process.returncode} before showing {title!r}; "
                          f"output {run.output()}")
            time.sleep(POLL)
        self.fail(f"no window titled {title!r} within {self.target.startup} s")

    def wait_for_focus(self, window, timeout=10.0):
        deadline = time.monotonic() + timeout
        while not xwindows.has_focus(self.x, window):
            if time.monotonic() > deadline:
                self.fail("the window never got the keyboard focus")
            time.sleep(POLL)

    def assert_only_shown(self, window):
        """Nothing but this window was shown so far."""
        shown = self.shown.shown()
        self.assertEqual(list(shown), [window.id], f"windows shown: {shown}")

    def assert_still_running(self, run, window, seconds=1.0):
        self.assertIsNone(run.wait(seconds), "the program ended")
        self.assertTrue(xwindows.viewable(window), "the window went away")

    def assert_ends(self, run, within=None, status=0):
        """The program ends on its own with `status`, and prints nothing."""
        within = within or self.target.ends_within
        code = run.wait(within)
        self.shown.poll()
        self.assertIsNotNone(code, f"still running {within} s later")
        out, err = run.output()
        self.assertEqual(code, status, f"exit status; output {out!r} {err!r}")
        self.assertEqual((out, err), ("", ""), "printed something")
