"""The executable under test: the Linux program itself, or the Windows one under Wine.

SKARVELUNDE_SCR names the executable; SKARVELUNDE_WINEPREFIX, when set, runs it under Wine in
that (already initialised) prefix.
"""

import fcntl
import os
import subprocess
import tempfile
import time

from xsession import die_with_parent

WINE_ENVIRONMENT = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d"}


class Run:
    """One started program; its output goes to files so that it can never block on a pipe."""

    def __init__(self, command, env):
        self._stdout, self._stderr = tempfile.TemporaryFile(), tempfile.TemporaryFile()
        self.started = time.monotonic()
        self.process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=self._stdout,
                                        stderr=self._stderr, preexec_fn=die_with_parent)

    def running(self):
        return self.process.poll() is None

    def wait(self, timeout):
        """Exit status, or None if still running after `timeout` seconds."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def output(self):
        """(stdout, stderr) so far, as text."""
        return tuple(self._read(f) for f in (self._stdout, self._stderr))

    @staticmethod
    def _read(f):
        f.seek(0)
        return f.read().decode("utf-8", "replace")

    def stop(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self._stdout.close()
        self._stderr.close()


class Native:
    name = "linux"
    startup = 15.0  # seconds a window may take to appear
    ends_within = 5.0  # seconds from the cause of its end to the end

    def __init__(self, executable):
        self.executable = executable

    def start(self, arguments, env):
        return Run([self.executable, *arguments], env)

    def clean_up(self, env):
        pass


class UnderWine:
    name = "windows"
    startup = 60.0  # Wine's start-up is slow, more so on a loaded machine
    ends_within = 30.0

    def __init__(self, executable, prefix):
        self.executable, self.prefix = executable, prefix

    def _environment(self, env):
        return {**env, **WINE_ENVIRONMENT, "WINEPREFIX": self.prefix}

    def start(self, arguments, env):
        return Run(["wine", self.executable, *arguments], self._environment(env))

    def clean_up(self, env):
        """Wine's own processes stay bound to the test's display: end them with it."""
        for option in ("-k", "-w"):
            subprocess.run(["wineserver", option], env=self._environment(env), check=False, timeout=60,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


_held = {}


def hold_prefix(prefix):
    """Waits for, then keeps to the end of this process, the prefix's lock: one wineserver
    serves a prefix, so its tests take turns, whichever ctest runs them."""
    if prefix not in _held:
        os.makedirs(os.path.dirname(prefix), exist_ok=True)
        _held[prefix] = open(prefix + ".lock", "w")
        fcntl.flock(_held[prefix], fcntl.LOCK_EX)


def sanitized(executable):
    """Whether the executable is the AddressSanitizer build."""
    with open(executable, "rb") as f:
        return b"__asan_init" in f.read()


def under_wine():
    return bool(os.environ.get("SKARVELUNDE_WINEPREFIX"))


def from_environment():
    executable = os.environ["SKARVELUNDE_SCR"]
    if not os.path.isfile(executable):
        raise FileNotFoundError(f"{executable} has not been built")
    if not under_wine():
        return Native(executable)
    prefix = os.environ["SKARVELUNDE_WINEPREFIX"]
    hold_prefix(prefix)
    return UnderWine(executable, prefix)
