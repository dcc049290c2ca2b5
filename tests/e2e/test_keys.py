"""The saver's keys, from the one table both programs follow: real key presses (XTest) on the
shown saver, each ending it or not."""

import unittest

import xinput
from e2e_case import EndToEnd
from key_chords import KEY_CHORDS

TITLE = "Tesk screen saver"


class Keys(EndToEnd):
    def show_saver(self):
        run = self.start("/s")
        window, _ = self.wait_for_window(run, TITLE)
        self.wait_for_focus(window)
        return run, window

    def test_a_press_ends_the_saver_exactly_when_it_yields_a_character(self):
        """The presses that keep it run first, on one saver; any that ends it gets a new one."""
        run, window = self.show_saver()
        for keys, ends in sorted(KEY_CHORDS, key=lambda row: row[1]):
            with self.subTest(keys=keys):
                if not run.running():
                    run, window = self.show_saver()
                xinput.press_keys(self.x, *keys)
                if ends:
                    self.assert_ends(run)
                else:
                    self.assert_still_running(run, window)

if __name__ == "__main__":
    unittest.main(verbosity=2)
