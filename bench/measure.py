"""What a user pays for the running saver, each figure beside its floor measured in the same run.

Usage: measure.py BUILD_DIR SECONDS. The saver and the floor program (floor_put, in both of its
modes) run at once, each on an Xvfb display of its own with openbox, at three screen sizes, for
SECONDS after two warm-up ticks. CPU comes from the kernel's per-process CPU clocks of the program
and of its X server (nanoseconds, all threads, ended ones too); memory from smaps_rollup.
"""

import ctypes
import os
import statistics
import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor
from dataclasses import dataclass

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xsession import TestDisplay, die_with_parent  # noqa: E402

SIZES = [(1024, 768), (1920, 1080), (3840, 2160)]
MAIN_SIZE = (1920, 1080)
PROGRAMS = ["saver", "shm", "plain"]
POLL = 0.002
TICK_THRESHOLD_NS = 20_000
WARM_UP_TICKS = 2
SWITCH_FIELDS = ("voluntary_ctxt_switches:", "nonvoluntary_ctxt_switches:")
_libc = ctypes.CDLL("libc.so.6", use_errno=True)


class Process:
    """A running process seen from outside: its CPU clock, context switches and memory."""

    def __init__(self, pid):
        self.pid = pid
        clock = ctypes.c_int()
        error = _libc.clock_getcpuclockid(pid, ctypes.byref(clock))
        if error:
            raise OSError(error, f"no CPU clock for process {pid}")
        self._clock = clock.value

    def cpu_ns(self):
        return time.clock_gettime_ns(self._clock)

    def switches(self):
        """Voluntary and forced context switches of each live thread, by thread id."""
        counts = {}
        for tid in os.listdir(f"/proc/{self.pid}/task"):
            try:
                with open(f"/proc/{self.pid}/task/{tid}/status") as status:
                    counts[tid] = sum(int(line.split()[1]) for line in status
                                      if line.startswith(SWITCH_FIELDS))
            except FileNotFoundError:
                pass
        return counts

    def memory(self):
        """Resident and private (unique) bytes."""
        fields = {}
        with open(f"/proc/{self.pid}/smaps_rollup") as rollup:
            for line in rollup:
                name, _, rest = line.partition(":")
                if rest.strip().endswith("kB"):
                    fields[name] = int(rest.split()[0]) * 1024
        return fields["Rss"], fields["Private_Clean"] + fields["Private_Dirty"]


def wake_ups(before, after):
    return sum(count - before.get(tid, 0) for tid, count in after.items())


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

    def wait_for_tick(self, since):
        """The moment the CPU of program and server rises past a tick's least cost."""
        while True:
            time.sleep(POLL)
            now = self.sample()
            if now.total - since.total > TICK_THRESHOLD_NS:
                return now.time
            if self._child.poll() is not None or now.time - since.time > 4:
                raise RuntimeError(f"{self.program_name} {self.size}: no tick within 4 s")

    def measure(self, seconds):
        """Windows from 0.7 s before each tick to 0.7 s after it hold the tick; the 0.6 s between
        them hold none and give the idle rate, which is taken off each tick's window."""
        tick_at = self.wait_for_tick(self.sample())
        for _ in range(WARM_UP_TICKS - 1):
            tick_at = self.wait_for_tick(self.sample_at(tick_at + 1.3))
        before = start = self.sample_at(tick_at + 1.3)
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
                       wake_ups(switches[0], self.program.switches()),
                       wake_ups(switches[1], self.server.switches()))


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
        self.program_wake_ups = program_switches / window.time
        self.server_wake_ups = server_switches / window.time
        self.rss, self.uss = run.program.memory()
        self.server_growth = run.server.memory()[1] - run.server_private_before

    def tick_mean(self):
        return (sum(self.tick_program) + sum(self.tick_server)) / self.ticks

    def tick_median(self):
        return statistics.median(map(sum, zip(self.tick_program, self.tick_server)))


def measure_all(build, seconds):
    runs = []
    try:
        for size in SIZES:
            for program in PROGRAMS:
                runs.append(Run(program, size))
        time.sleep(1)  # openbox's own start still grows its server's memory for a while
        for run in runs:
            run.start(build)
            time.sleep(0.2)  # spreads the programs' ticks over the 2 s period
        with ThreadPoolExecutor(len(runs)) as pool:
            results = list(pool.map(lambda run: run.measure(seconds), runs))
        return {(run.program_name, run.size): figures for run, figures in zip(runs, results)}
    finally:
        for run in runs:
            run.close()


def ticks_back_to_back(build):
    """Memory of 100,000 ticks, each with its repaint, from tick_memory on 1920 x 1080."""
    display = TestDisplay(*MAIN_SIZE)
    try:
        output = subprocess.run([f"{build}/bench/tick_memory"], env=display.environment(),
                                stdin=subprocess.DEVNULL, capture_output=True, text=True,
                                check=True).stdout
    finally:
        display.close()
    memory = {}
    for line in output.splitlines():
        words = line.split()
        memory[int(words[1])] = int(words[3]) * 1024, int(words[5]) * 1024
    return memory


def growth_per_pixel(bytes_by_size):
    """Least-squares slope of bytes over screen pixels."""
    pixels = [w * h for w, h in SIZES]
    mean_p, mean_b = statistics.mean(pixels), statistics.mean(bytes_by_size)
    return (sum((p - mean_p) * (b - mean_b) for p, b in zip(pixels, bytes_by_size))
            / sum((p - mean_p) ** 2 for p in pixels))


def machine():
    with open("/proc/cpuinfo") as cpuinfo:
        model = next(line.split(":", 1)[1].strip() for line in cpuinfo
                     if line.startswith("model name"))
    load = os.getloadavg()[0]
    return f"nproc {len(os.sched_getaffinity(0))}, {model}, Linux {os.uname().release}, " \
           f"load average {load:.2f} at the start"


def ratio(figure, floor):
    return f"{figure / floor:.1f}×" if floor > 0 else "—"


class Table:
    def __init__(self):
        self.lines = ["| Figure | Skarvelunde | floor: XShmPutImage | ratio "
                      "| floor: XPutImage | ratio |", "|---|--:|--:|--:|--:|--:|"]

    def row(self, label, values, unit, with_ratio=True):
        saver, shm, plain = values
        cells = [unit(saver), unit(shm), ratio(saver, shm) if with_ratio else "—",
                 unit(plain), ratio(saver, plain) if with_ratio else "—"]
        self.lines.append(f"| {label} | " + " | ".join(cells) + " |")


def milliseconds(ns):
    return f"{ns / 1e6:.3f} ms"


def megabytes(count):
    return f"{round(count / 1e6, 2) + 0:.2f} MB"


def size_name(size):
    return f"{size[0]} x {size[1]}"


def cpu_rows(table, results):
    main = [results[(program, MAIN_SIZE)] for program in PROGRAMS]
    ticks = main[0].ticks
    table.row(f"CPU per tick, program + X server, mean of {ticks} ticks",
              [f.tick_mean() for f in main], milliseconds)
    table.row("… of it the program", [sum(f.tick_program) / f.ticks for f in main], milliseconds)
    table.row("… of it the X server", [sum(f.tick_server) / f.ticks for f in main], milliseconds)
    table.row("CPU per tick, program + X server, median", [f.tick_median() for f in main],
              milliseconds)
    for size in SIZES:
        if size != MAIN_SIZE:
            table.row(f"CPU per tick, mean, at {size_name(size)}",
                      [results[(program, size)].tick_mean() for program in PROGRAMS],
                      milliseconds)
    table.row("CPU between ticks, program + X server, per second",
              [f.idle_rate for f in main], lambda rate: f"{rate / 1e3:.1f} µs")
    table.row("CPU over the whole run, program + X server, share of one core",
              [f.cpu_share for f in main], lambda share: f"{100 * share:.3f}%")
    table.row("wake-ups per second, program (all threads)", [f.program_wake_ups for f in main],
              lambda rate: f"{rate:.2f}")
    table.row("wake-ups per second, X server", [f.server_wake_ups for f in main],
              lambda rate: f"{rate:.2f}")


def memory_rows(table, results, back_to_back):
    figures = {program: [results[(program, size)] for size in SIZES] for program in PROGRAMS}
    measures = [("RSS", lambda f: f.rss, True), ("USS", lambda f: f.uss, True),
                ("X server's private growth", lambda f: f.server_growth, False)]
    for name, measure, with_ratio in measures:
        for index, size in enumerate(SIZES):
            table.row(f"{name} at {size_name(size)}",
                      [measure(figures[program][index]) for program in PROGRAMS], megabytes,
                      with_ratio)
    per_pixel = lambda value: f"{value:.2f} B"  # noqa: E731
    table.row("RSS growth per screen pixel",
              [growth_per_pixel([f.rss for f in figures[p]]) for p in PROGRAMS], per_pixel,
              with_ratio=False)
    table.row("growth per screen pixel, RSS + X server's private growth",
              [growth_per_pixel([f.rss + f.server_growth for f in figures[p]]) for p in PROGRAMS],
              per_pixel, with_ratio=False)
    for index, name in enumerate(["RSS", "USS"]):
        first, last = back_to_back[1000][index], back_to_back[100000][index]
        table.lines.append(f"| {name} after 1,000 / 100,000 ticks back to back | "
                           f"{megabytes(first)} / {megabytes(last)} | — | — | — | — |")


def main():
    build, seconds = sys.argv[1], int(sys.argv[2])
    began = time.monotonic()
    print(f"Machine: {machine()}")
    results = measure_all(build, seconds)
    back_to_back = ticks_back_to_back(build)
    table = Table()
    cpu_rows(table, results)
    memory_rows(table, results, back_to_back)
    print("\n".join(table.lines))
    print(f"Screens of 1920 x 1080 unless named; MB = 10^6 bytes; {seconds} s of running after "
          f"{WARM_UP_TICKS} warm-up ticks; measured in {time.monotonic() - began:.0f} s.")


if __name__ == "__main__":
    main()
