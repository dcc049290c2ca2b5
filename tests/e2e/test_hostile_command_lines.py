"""Hostile command lines: whatever the line holds, the program takes one of its three courses
(nothing, the dialog, the saver) with status 0, and shows only that course's window.

The Linux system limits one argument to 128 KiB, so a long line is spread over many arguments.
Wine limits a whole command line to 32 KiB: there the long line is just under that.
"""

import unittest

import program
import xinput
from e2e_case import EndToEnd

SAVER = "Tesk screen saver"
DIALOG = "Skarvelunde Screen Saver"

# Near misses of both switches: a slash before other letters, the letters without a slash.
FILLER = "Lorem ipsum /p 1234 /a c:/ s/ /x/ //q \\c \\s cs sc "
assert "/c" not in FILLER.lower() and "/s" not in FILLER.lower()


def long_line():
    """Arguments adding up to 1 MiB on Linux (64 KiB each), or 31 KiB under Wine (1 KiB each)."""
    size, count = (1024, 31) if program.under_wine() else (64 * 1024, 16)
    argument = (FILLER * (size // len(FILLER) + 1))[:size]
    return [argument] * count


# Not the switches: other letters, and look-alikes of "/c" and "/s" that text compare keeps apart.
NOT_SWITCHES = {
    "Latin-1 letters": ["ÅßÇ", "/ß", "/Ç"],
    "Greek": ["Προφύλαξη", "οθόνης", "/Σ", "/ς"],
    "CJK": ["屏幕保护程序", "/設定", "スクリーンセーバー"],
    "full-width /S": ["／Ｓ"],
    "full-width /c": ["／ｃ"],
    "full-width s": ["/ｓ"],
    "full-width slash": ["／s", "／c"],
    "Cyrillic es and dze": ["/с", "/ѕ"],
    "long s": ["/ſ"],
    "accent between": ["/\u0301s", "/\u0327c"],
}

# Bytes that are no UTF-8 right by the switch: each is one unknown character, the switch stays.
BROKEN_UTF8_AROUND_SAVER_SWITCH = {
    "stray bytes": [b"\xff\xfe/s\xfe\xff"],
    "cut sequence before": [b"\xc3/S"],
    "cut sequence after": [b"/s\xe2\x82"],
    "lone continuation": [b"\x80\xbf", b"/s\x80"],
    "encoded surrogate": [b"\xed\xa0\x80/s\xed\xbf\xbf"],
}

# A slash written in two bytes is no slash: no window.
OVERLONG_SLASH = [b"\xc0\xafs", b"\xe0\x80\xafc"]


class HostileCommandLines(EndToEnd):
    def assert_nothing_shown(self, arguments):
        run = self.start(*arguments)
        self.assert_ends(run)
        self.assertEqual(self.shown.shown(), {}, "a window was shown")

    def assert_course(self, arguments, title, ending_key):
        run = self.start(*arguments)
        window, _ = self.wait_for_window(run, title)
        self.wait_for_focus(window)
        xinput.press_keys(self.x, ending_key)
        self.assert_ends(run)
        self.assertEqual(set(self.shown.shown().values()), {title}, "windows shown")
        return window

    def test_a_long_line_without_a_switch_ends_at_once(self):
        self.assert_nothing_shown(long_line())

    def test_a_dialog_switch_after_a_long_line_is_found(self):
        window = self.assert_course([*long_line(), "/c"], DIALOG, "Return")
        self.assert_only_shown(window)

    def test_letters_beyond_ascii_are_no_switch(self):
        for name, arguments in NOT_SWITCHES.items():
            with self.subTest(name):
                self.assert_nothing_shown([a.encode() for a in arguments])

    def test_an_overlong_slash_is_no_slash(self):
        self.assert_nothing_shown(OVERLONG_SLASH)

    def test_broken_utf8_around_the_saver_switch_leaves_it_found(self):
        for name, arguments in BROKEN_UTF8_AROUND_SAVER_SWITCH.items():
            with self.subTest(name):
                self.assert_course(arguments, SAVER, "q")

    @unittest.skipIf(program.under_wine(), "Qt's own options: the Linux program only")
    def test_qt_options_are_the_program_s_text(self):
        """Qt would act on these (another platform, another display) if it read the command
        line, and end the program; they are text like any other here."""
        for arguments in (["/s", "-platform", "nowhere"], ["-display", ":99", "/s"]):
            with self.subTest(arguments=arguments):
                self.assert_course(arguments, SAVER, "q")


if __name__ == "__main__":
    unittest.main(verbosity=2)
