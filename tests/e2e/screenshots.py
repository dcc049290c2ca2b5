"""Takes the README's pictures of the Linux program: python3 screenshots.py EXECUTABLE OUT_DIR

saver.png: the whole screen after five ticks; dialog.png: the dialog with its frame.
"""

import os
import sys
import time

import program
import screen
import xwindows
from xsession import TestDisplay

WIDTH, HEIGHT = 1024, 768  # large enough for every picture to land whole


def wait_for_window(display, run, title):
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline and run.running():
        windows = xwindows.viewable_windows_titled(display.x, display.root, title)
        if windows:
            return windows[0]
        time.sleep(0.05)
    raise RuntimeError(f"no window titled {title!r}")


def take(executable, arguments, title, path, settle, whole_screen):
    display = TestDisplay(WIDTH, HEIGHT)
    run = program.Native(executable).start(arguments, display.environment())
    try:
        window = wait_for_window(display, run, title)
        time.sleep(settle)
        if whole_screen:
            shot = screen.grab(display.x)
        else:
            frame = xwindows.top_level_of(display.x, window)
            shot = screen.grab(display.x, *xwindows.geometry_on_screen(display.x, frame))
        shot.write_png(path)
    finally:
        run.stop()
        display.close()


def main(executable, out):
    take(executable, ["/s"], "Tesk screen saver", os.path.join(out, "saver.png"), 5 * 2.0 + 0.5, True)
    take(executable, ["/c"], "Skarvelunde Screen Saver", os.path.join(out, "dialog.png"), 1.0, False)


if __name__ == "__main__":
    main(*sys.argv[1:])
