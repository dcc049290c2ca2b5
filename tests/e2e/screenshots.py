"""Takes the README's pictures: python3 screenshots.py EXECUTABLE OUT_DIR [WINDOWS_EXECUTABLE PREFIX]

saver.png: the whole screen after five ticks; dialog.png: the dialog with its frame; with the
Windows program, dialog-windows.png: its dialog under Wine, in a prefix as wineboot makes it.
"""

import os
import sys
import time

import program
import wine_prefix
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


def take(target, arguments, title, path, settle, whole_screen):
    display = TestDisplay(WIDTH, HEIGHT)
    run = target.start(arguments, display.environment())
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
        target.clean_up(display.environment())
        display.close()


def main(executable, out, windows_executable=None, prefix=None):
    linux = program.Native(executable)
    take(linux, ["/s"], "Tesk screen saver", os.path.join(out, "saver.png"), 5 * 2.0 + 0.5, True)
    take(linux, ["/c"], "Skarvelunde Screen Saver", os.path.join(out, "dialog.png"), 1.0, False)
    if windows_executable:
        prefix = os.path.abspath(prefix)
        wine_prefix.initialise(prefix, saver_font=False)
        windows = program.UnderWine(windows_executable, prefix)
        take(windows, ["/c"], "Skarvelunde Screen Saver", os.path.join(out, "dialog-windows.png"), 2.0, False)


if __name__ == "__main__":
    main(*sys.argv[1:])
