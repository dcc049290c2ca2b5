"""Desktops unlike the test rig's, hostile environment variables and starved resources: one table.

Each row starts the saver ("/s") and the dialog ("/c") there and says what each must do: show
its window on the test's display at the screen's own pixels, listen on no socket and end on its
key; or fail the form's Show with the runtime's report, status 1 and nothing else, never a hang.
A row marked for Wine also runs the Windows program, in a prefix of the row's own.
"""

import os
import shutil
import tempfile
import time
import unittest
from dataclasses import dataclass, field

import first_tick
import own_prefix
import pictures
import program
import screen
import xinput
import xwindows
from e2e_case import POLL, EndToEnd
from Xlib import Xatom

PROJECT_TITLE = "SCRNSAVE:Skarvelunde"
COURSES = {"/s": ("teskf", "Tesk screen saver", "q"),
           "/c": ("Form1", "Skarvelunde Screen Saver", "Return")}
DIALOG_TWIPS = (4770, 4305)  # its client area
ENDS_WITHIN = 10.0  # seconds for a failing start to end

SHOWS = "shows its window, listens on nothing and ends on its key"
FAILS = "the form's Show fails"
OUT_OF_MEMORY = "runtime error 7"
FAILS_OR_OUT_OF_MEMORY = "the form's Show fails, or runtime error 7"


@dataclass(frozen=True)
class Row:
    name: str
    env: dict = field(default_factory=dict)  # variables set; None removes one
    limits: tuple = ()  # prlimit's options
    unprivileged: bool = False  # as nobody: a limit on processes binds no administrator
    dpi: int = 96  # the screen's logical dots per inch (Xft.dpi on X, LogPixels under Wine)
    saver: str = SHOWS
    dialog: str = SHOWS
    wine: bool = False  # also the Windows program
    sanitized: bool = True  # also the sanitized build, which cannot start in little address space

    def outcome(self, switch):
        return self.saver if switch == "/s" else self.dialog


ROWS = (
    Row("Xft.dpi 144", dpi=144, wine=True),
    Row("no DISPLAY", env={"DISPLAY": None}, saver=FAILS, dialog=FAILS),
    Row("a DISPLAY with no server", env={"DISPLAY": ":64999"}, saver=FAILS, dialog=FAILS),
    Row("a DISPLAY naming a screen it lacks", env={"DISPLAY": "{display}.3"}, saver=FAILS,
        dialog=FAILS),
    Row("vnc", env={"QT_QPA_PLATFORM": "vnc", "QT_QPA_VNC_PORT": "5900"}),
    Row("linuxfb without a framebuffer, plugins elsewhere",
        env={"QT_QPA_PLATFORM": "linuxfb", "QT_QPA_PLATFORM_PLUGIN_PATH": "/nonexistent",
             "QT_PLUGIN_PATH": "/nonexistent"}),
    Row("offscreen, scaled twice", env={"QT_QPA_PLATFORM": "offscreen", "QT_SCALE_FACTOR": "2"}),
    Row("minimal, scaled by nothing", env={"QT_QPA_PLATFORM": "minimal", "QT_SCALE_FACTOR": "0",
                                          "QT_SCREEN_SCALE_FACTORS": "nan"}),
    Row("vkkhrdisplay, warnings fatal", env={"QT_QPA_PLATFORM": "vkkhrdisplay",
                                            "QT_FATAL_WARNINGS": "1", "QT_STYLE_OVERRIDE": "x"}),
    Row("a Wayland session", env={"XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": "wayland-0",
                                  "QT_QPA_PLATFORM": "wayland;eglfs"}),
    Row("no XDG_RUNTIME_DIR", env={"XDG_RUNTIME_DIR": None}),
    Row("no private directory at all", env={"XDG_RUNTIME_DIR": "/nonexistent", "HOME": "/"}),
    Row("two processes for the user", limits=("--nproc=2",), unprivileged=True,
        saver=OUT_OF_MEMORY, dialog=OUT_OF_MEMORY),
    Row("three processes for the user", limits=("--nproc=3",), unprivileged=True),
    Row("100 MB of address space", limits=("--as=102400000",), sanitized=False,
        saver=FAILS_OR_OUT_OF_MEMORY, dialog=FAILS_OR_OUT_OF_MEMORY),
    Row("120 MB of address space", limits=("--as=122880000",), sanitized=False),
    Row("5 descriptors", limits=("--nofile=5",), saver=FAILS, dialog=FAILS),
    Row("7 descriptors", limits=("--nofile=7",), saver=FAILS, dialog=FAILS),
    Row("10 descriptors", limits=("--nofile=10",), saver=FAILS, dialog=FAILS),
    Row("40 descriptors", limits=("--nofile=40",)),
)


def report(form, outcome):
    """What the runtime prints, titled with the project's title."""
    if outcome == OUT_OF_MEMORY:
        message = "Erreur d'exécution '7' :\n\nMémoire insuffisante"
    else:
        message = (f"Erreur d'exécution '-2147467259 (80004005)' :\n\n"
                   f"La méthode 'Show' de l'objet '{form}' a échoué")
    return f"{PROJECT_TITLE}: {message}\n"


def listening_sockets(pid):
    """The TCP sockets of the process that listen, and its Unix ones that accept."""
    inodes = set()
    for fd in os.listdir(f"/proc/{pid}/fd"):
        target = os.readlink(f"/proc/{pid}/fd/{fd}")
        if target.startswith("socket:["):
            inodes.add(target[8:-1])
    found = []
    for table in ("tcp", "tcp6"):
        with open(f"/proc/{pid}/net/{table}") as f:
            found += [line for line in f.readlines()[1:]
                      if line.split()[3] == "0A" and line.split()[9] in inodes]
    with open(f"/proc/{pid}/net/unix") as f:
        found += [line for line in f.readlines()[1:]
                  if int(line.split()[3], 16) & 0x10000 and line.split()[6] in inodes]
    return found


class Environments(EndToEnd):
    def test_each_row(self):
        linux = not program.under_wine()
        for row in ROWS:
            if not (linux or row.wine) or (not row.sanitized and program.sanitized(self.target.executable)):
                continue
            with self.subTest(row.name):
                target = self.target_at(row)
                self.set_x_resources(row)
                for switch in COURSES:
                    with self.subTest(switch):
                        self.check_course(target, row, switch)

    def target_at(self, row):
        if not program.under_wine() or row.dpi == 96:
            return self.target
        # Beside the shared prefix: its files are linked, and links stay on one file system.
        directory = tempfile.TemporaryDirectory(prefix="skarvelunde-prefix-",
                                                dir=os.path.dirname(self.target.prefix))
        self.addCleanup(directory.cleanup)
        prefix = own_prefix.prefix_at_dpi(self.target.prefix, directory.name, row.dpi, self.env)
        target = program.UnderWine(self.target.executable, prefix)
        self.addCleanup(target.clean_up, self.env)
        return target

    def set_x_resources(self, row):
        atom = self.x.intern_atom("RESOURCE_MANAGER")
        if row.dpi == 96:
            self.display.root.delete_property(atom)
        else:
            self.display.root.change_property(atom, Xatom.STRING, 8, f"Xft.dpi:\t{row.dpi}\n".encode())
        self.x.sync()

    def start_row(self, target, row, switch):
        changes = {k: v and v.format(display=self.display.name) for k, v in row.env.items()}
        env = {k: v for k, v in {**self.env, **changes}.items() if v is not None}
        if program.under_wine():
            run = target.start([switch], env)
        else:
            command = [self.runnable_by_anyone(target) if row.unprivileged else target.executable,
                       switch]
            if row.limits:
                command = ["prlimit", *row.limits, "--", *command]
            if row.unprivileged:
                # The leak check's own thread is past the limit on processes.
                env["LSAN_OPTIONS"] = env.get("LSAN_OPTIONS", "") + ":detect_leaks=0"
                command = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", *command]
            run = program.Run(command, env)
        return run

    def runnable_by_anyone(self, target):
        """A copy of the executable that an unprivileged user can reach, wherever the tree lies."""
        if not hasattr(self, "_public_copy"):
            folder = tempfile.mkdtemp(prefix="skarvelunde-e2e-")
            self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
            os.chmod(folder, 0o755)
            self._public_copy = shutil.copy(target.executable, folder)
            os.chmod(self._public_copy, 0o755)
        return self._public_copy

    def check_course(self, target, row, switch):
        run = self.start_row(target, row, switch)
        try:
            self.check_run(target, run, switch, row.outcome(switch), row.dpi)
        finally:
            run.stop()

    def check_run(self, target, run, switch, outcome, dpi):
        form, title, key = COURSES[switch]
        if outcome != SHOWS:
            code = run.wait(ENDS_WITHIN)
            self.assertIsNotNone(code, f"still running {ENDS_WITHIN} s later")
            expected = {report(form, o) for o in (FAILS, OUT_OF_MEMORY) if o in outcome}
            self.assertEqual(code, 1, f"exit status; output {run.output()}")
            self.assertIn(run.output()[1], expected)
            self.assertEqual(run.output()[0], "")
            return
        window, _ = self.wait_for_window(run, title)
        if not program.under_wine():
            self.assertEqual(listening_sockets(run.process.pid), [], "listening sockets")
        if switch == "/s":
            self.check_saver(window, dpi)
        else:
            self.check_dialog(window, dpi)
        self.wait_for_focus(window)
        xinput.press_keys(self.x, key)
        self.assertEqual(run.wait(target.ends_within), 0, f"output {run.output()}")
        self.assertEqual(run.output(), ("", ""), "printed something")

    def check_dialog(self, window, dpi):
        size = tuple(twips * dpi // first_tick.TWIPS_PER_INCH for twips in DIALOG_TWIPS)
        self.assertEqual(xwindows.geometry_on_screen(self.x, window)[2:], size, "client area")

    def check_saver(self, window, dpi):
        """The window covers the screen; the first tick's quotation is as high as its points at
        this dpi, and its picture lies where the twips say, at its own size."""
        width, height = self.display.width, self.display.height
        self.assertEqual(xwindows.geometry_on_screen(self.x, window), (0, 0, width, height))
        if dpi == 96:
            return
        tick = first_tick.first_tick(width, height, dpi)
        colour = bytes(reversed(tick.text_colour))
        shot = self.shot_with(colour)
        ink = [y for y in range(height) if has_pixel(shot.row(0, y, width), colour)]
        em = tick.text_points * dpi / 72
        ink_height = ink[-1] - ink[0] + 1
        self.assertTrue(0.8 * em <= ink_height <= 1.15 * em, f"ink {ink_height} px high for {em:.1f} px")
        self.assertTrue(tick.text_corner[1] <= ink[0] < tick.text_corner[1] + em / 2, f"ink from {ink[0]}")
        self.assert_picture_at(shot, pictures.stored_picture(2), tick.picture_corner,
                               range(ink[0] - 3, ink[-1] + 4))

    def assert_picture_at(self, shot, picture, corner, text_rows):
        """Each row of the picture clear of the text stands at the corner pixel for pixel, with
        black at its right; the row under the picture is black."""
        left, top = corner
        black = bytes(3)
        clear = [y for y in range(picture.height) if top + y not in text_rows]
        self.assertGreater(len(clear), picture.height // 2, "rows clear of the text")
        for y in clear:
            self.assertEqual(shot.row(left, top + y, picture.width), picture.row(0, y, picture.width),
                             f"row {y} of the picture at {corner}")
            self.assertEqual(shot.pixel(left + picture.width, top + y), black, f"right of row {y}")
        if top + picture.height not in text_rows:
            self.assertEqual(shot.row(left, top + picture.height, picture.width),
                             black * picture.width, "under the picture")

    def shot_with(self, colour):
        """A shot of the screen once the first tick's quotation shows."""
        deadline = time.monotonic() + (16.0 if program.under_wine() else 6.0)
        while time.monotonic() < deadline:
            if has_pixel(screen.grab(self.x).bgr, colour):
                time.sleep(0.3)  # the rest of the tick's drawing reaches the screen
                return screen.grab(self.x)
            time.sleep(POLL)
        self.fail("no first tick")


def has_pixel(bgr, colour):
    """Whether a pixel of that colour is among the pixels."""
    start = 0
    while (found := bgr.find(colour, start)) >= 0:
        if found % 3 == 0:
            return True
        start = found + 1
    return False

if __name__ == "__main__":
    unittest.main(verbosity=2)
