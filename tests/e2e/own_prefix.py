"""A Wine prefix of a test's own, made from the shared one, for settings the shared one must keep:
its files are linked, not copied, and its registry is its own (Wine replaces a registry file
when it saves it, it never writes into one)."""

import os
import subprocess

from program import WINE_ENVIRONMENT

DPI_KEYS = (r"HKEY_CURRENT_USER\Control Panel\Desktop",
            r"HKEY_CURRENT_CONFIG\Software\Fonts",
            r"HKEY_CURRENT_USER\Software\Wine\Fonts")


def prefix_at_dpi(shared, directory, dpi, env):
    """A copy of the shared prefix in directory/prefix whose screen has `dpi` logical dots per
    inch; env is the test display's environment."""
    prefix = os.path.join(directory, "prefix")
    subprocess.run(["cp", "-al", shared, prefix], check=True)
    for name in ("system.reg", "user.reg", "userdef.reg"):
        path = os.path.join(prefix, name)
        with open(path, "rb") as f:
            data = f.read()
        os.unlink(path)
        with open(path, "wb") as f:
            f.write(data)
    settings = os.path.join(directory, "dpi.reg")
    with open(settings, "w", encoding="utf-16") as f:
        f.write("Windows Registry Editor Version 5.00\n")
        for key in DPI_KEYS:
            f.write(f'\n[{key}]\n"LogPixels"=dword:{dpi:08x}\n')
    wine_env = {**env, **WINE_ENVIRONMENT, "WINEPREFIX": prefix}
    subprocess.run(["wine", "regedit", "/S", settings], env=wine_env, check=True, timeout=300,
                   capture_output=True)
    subprocess.run(["wineserver", "-w"], env=wine_env, check=True, timeout=300)
    return prefix
