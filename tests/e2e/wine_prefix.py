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
        subprocess.run(["wineserver", "-w"], env=env, check=True, timeout=300)
    finally:
        display.close()
    open(ready, "w").close()


if __name__ == "__main__":
    initialise(sys.argv[1])
