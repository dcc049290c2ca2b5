"""Initialises the Wine prefix that the Windows tests share, once: python3 wine_prefix.py PREFIX"""

import os
import shutil
import subprocess
import sys

from program import WINE_ENVIRONMENT, hold_prefix
from xsession import TestDisplay


def initialise(prefix):
    hold_prefix(prefix)
    ready = os.path.join(prefix, ".initialised")
    if os.path.exists(ready):
        return
    shutil.rmtree(prefix, ignore_errors=True)  # what a broken earlier attempt left
    display = TestDisplay(1024, 768)
    try:
        env = {**display.environment(), **WINE_ENVIRONMENT, "WINEPREFIX": prefix, "WINEARCH": "win32"}
        subprocess.run(["wineboot", "-i"], env=env, check=True, timeout=300)
        # The saver's font, as a Windows desktop with it installed would have it.
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements",
                        "/v", "Century Schoolbook", "/d", "C059", "/f"],
                       env=env, check=True, timeout=300, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=env, check=True, timeout=300)
    finally:
        display.close()
    open(ready, "w").close()


if __name__ == "__main__":
    initialise(sys.argv[1])
