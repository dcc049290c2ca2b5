"""Faults while a window is shown: the display going away, and the signals that end a program.
The Linux program only.

The program has no handler for SIGTERM or SIGINT: it keeps nothing that needs saving, so the
signal's default action ends it, and its parent sees it killed by that signal (a shell reports
143 and 130). A program that ends itself with 130 on SIGINT would hide from a calling shell that
the user interrupted it.
"""

import os
import re
import signal
import time
import unittest

import program
from e2e_case import POLL, EndToEnd
from xsession import TestDisplay

SAVER = "Tesk screen saver"
DIALOG = "Skarvelunde Screen Saver"
OUT_OF_MEMORY = "SCRNSAVE:Skarvelunde: Erreur d'exécution '7' :\n\nMémoire insuffisante\n"
LOSS_ENDS_WITHIN = 1.0  # seconds from the display's end to the program's
CPU_ON_THE_WAY_OUT = 0.3  # seconds of processor time it may spend meanwhile


def server_pid():
    """The test's X server: the child of this process that runs Xvfb."""
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as f:
                name, rest = f.read().split("(", 1)[1].rsplit(")", 1)
        except (OSError, IndexError):
            continue
        if name == "Xvfb" and int(rest.split()[1]) == os.getpid():
            return int(entry)
    raise LookupError("no X server of this test")


def cpu_seconds(pid):
    """User and system time of a process, living or ended but not yet waited for."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def wait_unreaped(pid, timeout):
    """Whether the process ended within `timeout` seconds; it stays unreaped, its times readable."""
    deadline = time.monotonic() + timeout
    while os.waitid(os.P_PID, pid, os.WEXITED | os.WNOHANG | os.WNOWAIT) is None:
        if time.monotonic() > deadline:
            return False
        time.sleep(POLL / 4)
    return True


@unittest.skipIf(program.under_wine(), "the Linux program only")
class Faults(EndToEnd):
    def assert_display_loss_ends(self, arguments, title):
        run = self.start(*arguments)
        self.wait_for_window(run, title)
        time.sleep(0.5)
        pid = run.process.pid
        before = cpu_seconds(pid)
        os.kill(server_pid(), signal.SIGKILL)
        lost = time.monotonic()
        self.assertTrue(wait_unreaped(pid, LOSS_ENDS_WITHIN),
                        f"still running {LOSS_ENDS_WITHIN} s after the display went away")
        ended = time.monotonic() - lost
        used = cpu_seconds(pid) - before
        code = run.wait(1)
        out, err = run.output()
        self.assertGreater(code, 0, f"exit status; output {out!r} {err!r}")
        self.assertLess(used, CPU_ON_THE_WAY_OUT, f"{used:.2f} s of processor time in {ended:.2f} s")
        self.assertRegex(err, re.compile(r"X11 connection broke|display", re.IGNORECASE),
                         "no message about the display")
        self.assertNotIn("Sanitizer", err)

    def test_losing_the_display_ends_the_saver_with_a_message(self):
        self.assert_display_loss_ends(["/s"], SAVER)

    def test_losing_the_display_ends_the_dialog_with_a_message(self):
        self.assert_display_loss_ends(["/c"], DIALOG)

    def test_a_screen_nothing_can_be_drawn_on_is_out_of_memory(self):
        """A display of 256 colours, on which no painter can draw; a screen of 7680 x 4320 whose
        image does not fit in the address space left (the dialog still shows there)."""
        cases = [((1024, 768, 8), [], ("/s", "/c"))]
        if not program.sanitized(self.target.executable):  # the sanitizer reserves far more
            cases.append(((7680, 4320, 24), ["prlimit", "--as=300000000", "--"], ("/s",)))
        for (width, height, depth), limit, switches in cases:
            display = TestDisplay(width, height, depth=depth)
            self.addCleanup(display.close)
            for switch in switches:
                with self.subTest(f"{width}x{height}x{depth} {switch}"):
                    run = program.Run([*limit, self.target.executable, switch],
                                      {**self.env, **display.environment()})
                    self.addCleanup(run.stop)
                    self.assertEqual(run.wait(self.target.ends_within), 1, f"output {run.output()}")
                    out, err = run.output()
                    self.assertEqual(out, "")
                    self.assertTrue(err.endswith(OUT_OF_MEMORY), err)
                    self.assertLessEqual(err.count("\n"), OUT_OF_MEMORY.count("\n") + 1,
                                         "more than one line from Qt")

    def test_sigterm_and_sigint_end_the_saver_by_the_signal(self):
        for number in (signal.SIGTERM, signal.SIGINT):
            with self.subTest(number.name):
                run = self.start("/s")
                self.wait_for_window(run, SAVER)
                run.process.send_signal(number)
                self.assert_ends(run, status=-number)


if __name__ == "__main__":
    unittest.main(verbosity=2)
