"""One program on an Xvfb display of its own with openbox, its ticks measured as they come.

CPU comes from the kernel's per-process CPU clocks of the program and of its X server
(nanoseconds, all threads, ended ones too), so each figure includes the server's share of putting
the pixels on the screen.
"""

import os
import statistics
import subprocess
import sys
import time
from dataclasses import dataclass

from process_view import Process, switches_between

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xsession import TestDisplay, die_with_parent  # noqa: E402

POLL = 0.002
TICK_THRESHOLD_NS = 20_000
WARM_UP_TICKS = 2


@dataclass
class Sample:
    time: float
    program: int
    server: int

    @property
    def total(self):
        return self.program + self.server

    def __sub__(self, other):
        return Sample(self.time - other.time, self.program - other.program,
                      self.server - other.server)


class Run:
    """One program on a display of its own."""

    def __init__(self, program, size):
        self.program_name, self.size = program, size
        self._child = None
        self.display = TestDisplay(*size)
        server_pid = self.display._processes[0].pid  # the first process a TestDisplay starts
        with open(f"/proc/{server_pid}/comm") as comm:
            assert comm.read().strip() == "Xvfb", "the display's first process is not Xvfb"
        self.server = Process(server_pid)

    def start(self, build):
        """Starts the program once the window manager has settled, the server's memory noted."""
        self.server_private_before = self.server.memory()[1]
        command = ([f"{build}/Skarvelunde.scr", "/s"] if self.program_name == "saver"
                   else [f"{build}/bench/floor_put", self.program_name])
        self._child = subprocess.Popen(command, env=self.display.environment(),
                                       stdin=subprocess.DEVNULL, preexec_fn=die_with_parent)
        self.program = Process(self._child.pid)

    def close(self):
        if self._child is not None:
            self._child.terminate()
            self._child.wait()
        self.display.close()

    def sample(self):
        return Sample(time.monotonic(), self.program.cpu_ns(), self.server.cpu_ns())

    def sample_at(self, moment):
        time.sleep(max(0.0, moment - time.monotonic()))
        return self.sample()

    def check_running(self, since, limit, waiting_for):
        if self._child.poll() is not None:
            raise RuntimeError(f"{self.program_name} {self.size}: ended")
        if time.monotonic() - since > limit:
            raise RuntimeError(f"{self.program_name} {self.size}: no {waiting_for} in {limit} s")

    def wait_until_started(self):
        """Start-up is over once program and server have done nothing for 0.5 s, a stretch that
        ticks every 2 s leave between them."""
        began = time.monotonic()
        quiet = self.sample()
        while True:
            time.sleep(POLL)
            now = self.sample()
            if now.total != quiet.total:
                quiet = now
            elif now.time - quiet.time >= 0.5:
                return now
            self.check_running(began, 30, "quiet stretch")

    def wait_for_tick(self, since):
        """The moment the CPU of program and server rises past a tick's least cost."""
        while True:
            time.sleep(POLL)
            now = self.sample()
            if now.total - since.total > TICK_THRESHOLD_NS:
                return now.time
            self.check_running(since.time, 4, "tick")

    def measure(self, seconds):
        """Windows from 0.7 s before each tick to 0.7 s after it hold the tick; the 0.6 s between
        them hold none and give the idle rate, which is taken off each tick's window."""
        before = self.wait_until_started()
        for _ in range(WARM_UP_TICKS):
            tick_at = self.wait_for_tick(before)
            before = self.sample_at(tick_at + 1.3)
        start = before
        switches = self.program.switches(), self.server.switches()
        ticks, idles = [], []
        while len(ticks) < seconds // 2:
            tick_at = self.wait_for_tick(before)
            after = self.sample_at(tick_at + 0.7)
            ticks.append(after - before)
            before = self.sample_at(tick_at + 1.3)
            idles.append(before - after)
            if idles[-1].total > TICK_THRESHOLD_NS:
                raise RuntimeError(f"{self.program_name} {self.size}: work between ticks")
        return Figures(self, ticks, idles, before - start,
                       switches_between(switches[0], self.program.switches()),
                       switches_between(switches[1], self.server.switches()))


class Figures:
    def __init__(self, run, ticks, idles, window, program_switches, server_switches):
        idle_time = sum(idle.time for idle in idles)
        idle_program = sum(idle.program for idle in idles) / idle_time
        idle_server = sum(idle.server for idle in idles) / idle_time
        self.idle_rate = idle_program + idle_server
        self.tick_program = [t.program - idle_program * t.time for t in ticks]
        self.tick_server = [t.server - idle_server * t.time for t in ticks]
        self.ticks = len(ticks)
        self.cpu_share = window.total / 1e9 / window.time
        self.program_switches = [count / window.time for count in program_switches]
        self.server_switches = [count / window.time for count in server_switches]
        self.rss, self.uss = run.program.memory()
        self.server_growth = run.server.memory()[1] - run.server_private_before

    def tick_mean(self):
        return (sum(self.tick_program) + sum(self.tick_server)) / self.ticks

    def tick_median(self):
        return statistics.median(map(sum, zip(self.tick_program, self.tick_server)))
