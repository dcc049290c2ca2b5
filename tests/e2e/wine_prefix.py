"""Initialises a Wine prefix for the Windows tests, once: python3 wine_prefix.py [--default] PREFIX

The saver's tests share one with the saver's font as a Windows desktop with it installed has it;
--default leaves it as wineboot makes it, with the fonts Wine finds on its own.
"""

import os
import shutil
import subprocess
import sys

from program import WINE_ENVIRONMENT, hold_prefix
from xsession import TestDisplay


def initialise(prefix, saver_font=True):
    hold_prefix(prefix)
    ready = os.path.join(prefix, ".initialised")
    if os.path.exists(ready):
        return
    shutil.rmtree(prefix, ignore_errors=True)  # what a broken earlier attempt left
    display = TestDisplay(1024, 768)
    try:
        env = {**display.environment(), **WINE_ENVIRONMENT, "WINEPREFIX": prefix, "WINEARCH": "win32"}
        subprocess.run(["wineboot", "-i"], env=env, check=True, timeout=300)
        if saver_font:
            subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements",
                            "/v", "Century Schoolbook", "/d", "C059", "/f"],
                           env=env, check=True, timeout=300, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=env, check=True, timeout=300)
    finally:
        display.close()
    open(ready, "w").close()


if __name__ == "__main__":
    default = sys.argv[1] == "--default"
    initialise(sys.argv[-1], saver_font=not default)
