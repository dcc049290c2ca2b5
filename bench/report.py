"""The table of figures: the saver beside each floor, and the ratio."""

import os
import statistics

SIZES = [(1024, 768), (1920, 1080), (3840, 2160)]
MAIN_SIZE = (1920, 1080)
PROGRAMS = ["saver", "shm", "plain"]


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


def per_second(rate):
    return f"{rate:.2f}"


def bytes_per_pixel(count):
    return f"{round(count, 2) + 0:.2f} B"


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
    rates = [("program", [f.program_switches for f in main]),
             ("X server", [f.server_switches for f in main])]
    for who, switches in rates:
        table.row(f"wake-ups per second, {who} (voluntary switches, all threads)",
                  [voluntary for voluntary, _ in switches], per_second)
        table.row(f"… forced switches per second, {who} (preempted)",
                  [forced for _, forced in switches], per_second, with_ratio=False)


def memory_rows(table, results, back_to_back):
    figures = {program: [results[(program, size)] for size in SIZES] for program in PROGRAMS}
    measures = [("RSS", lambda f: f.rss, True), ("USS", lambda f: f.uss, True),
                ("X server's private growth", lambda f: f.server_growth, False)]
    for name, measure, with_ratio in measures:
        for index, size in enumerate(SIZES):
            table.row(f"{name} at {size_name(size)}",
                      [measure(figures[program][index]) for program in PROGRAMS], megabytes,
                      with_ratio)
    table.row("RSS growth per screen pixel",
              [growth_per_pixel([f.rss for f in figures[p]]) for p in PROGRAMS], bytes_per_pixel,
              with_ratio=False)
    table.row("growth per screen pixel, RSS + X server's private growth",
              [growth_per_pixel([f.rss + f.server_growth for f in figures[p]]) for p in PROGRAMS],
              bytes_per_pixel, with_ratio=False)
    counts = " / ".join(f"{ticks:,}" for ticks in back_to_back)
    for index, name in enumerate(["RSS", "USS"]):
        values = " / ".join(megabytes(memory[index]) for memory in back_to_back.values())
        table.lines.append(f"| {name} after {counts} ticks back to back | {values} "
                           "| — | — | — | — |")
