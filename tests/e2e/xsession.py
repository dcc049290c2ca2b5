"""A display of a test's own: Xvfb on a free display number, with openbox managing its windows."""

import ctypes
import os
import signal
import subprocess
import tempfile
import time

from Xlib import X, display, error

WIDTH, HEIGHT = 1920, 1080
_PR_SET_PDEATHSIG = 1


def die_with_parent():
    """Child processes end with the test, even when the test itself is killed."""
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


def _read_display_number(fd, server, deadline):
    number = b""
    while not number.endswith(b"\n"):
        if time.monotonic() > deadline or server.poll() is not None:
            raise RuntimeError("Xvfb did not start")
        number += os.read(fd, 16)
    return number.decode().strip()


class TestDisplay:
    """Xvfb + openbox; `x` is the test's own Xlib connection, `environment()` the children's."""

    def __init__(self, width=WIDTH, height=HEIGHT, depth=24):
        self.width, self.height, self.depth = width, height, depth
        self._home = tempfile.TemporaryDirectory(prefix="skarvelunde-e2e-")
        self._processes = []
        try:
            self.name = self._start_server()
            self.x = display.Display(self.name)
            self.root = self.x.screen().root
            self._start_window_manager()
        except BaseException:
            self.close()
            raise

    def _start_server(self):
        read_end, write_end = os.pipe()
        server = self._spawn(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.width}x{self.height}x{self.depth}", "-dpi", "96", "-nolisten", "tcp"],
            pass_fds=(write_end,), env=os.environ)
        os.close(write_end)
        try:
            return ":" + _read_display_number(read_end, server, time.monotonic() + 20)
        finally:
            os.close(read_end)

    def _start_window_manager(self):
        check = self.x.intern_atom("_NET_SUPPORTING_WM_CHECK")
        self._spawn(["openbox", "--sm-disable"], env=self.environment())
        deadline = time.monotonic() + 20
        while self.root.get_full_property(check, X.AnyPropertyType) is None:
            if time.monotonic() > deadline:
                raise RuntimeError("openbox did not take over the display")
            time.sleep(0.05)

    def stop_window_manager(self):
        """Ends openbox; the windows it managed stay, back on the root window."""
        manager = self._processes.pop(1)
        manager.terminate()
        manager.wait(timeout=5)
        self.x.sync()

    def _spawn(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, preexec_fn=die_with_parent, **options)
        self._processes.append(process)
        return process

    def environment(self):
        """What a program started on this display sees: a desktop session of its own."""
        home = self._home.name
        runtime = os.path.join(home, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "XDG_", "WAYLAND_")) and k != "DISPLAY"}
        env.update(DISPLAY=self.name, XDG_RUNTIME_DIR=runtime,
                   XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"), LC_ALL="C.UTF-8")
        return env

    def close(self):
        if getattr(self, "x", None) is not None:
            try:
                self.x.close()
            except error.ConnectionClosedError:
                pass
            self.x = None
        for process in reversed(self._processes):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._processes.clear()
        self._home.cleanup()
