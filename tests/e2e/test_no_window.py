"""Neither switch on the command line: the program ends at once and shows nothing."""

import unittest

import program
from e2e_case import EndToEnd


class NoWindow(EndToEnd):
    def test_preview_request_ends_at_once_without_a_window(self):
        run = self.start("/p", "1234")
        self.assert_ends(run)
        self.assertEqual(self.shown.shown(), {}, "a window was shown")

    @unittest.skipIf(program.under_wine(), "the Linux program only")
    def test_needs_no_display(self):
        env = {k: v for k, v in self.env.items() if k != "DISPLAY"}
        for arguments in (["/p", "1234"], []):
            with self.subTest(arguments=arguments):
                run = self.target.start(arguments, env)
                self.addCleanup(run.stop)
                self.assert_ends(run)


if __name__ == "__main__":
    unittest.main(verbosity=2)
