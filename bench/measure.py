"""What a user pays for the running saver, each figure beside its floor measured in the same run.

Usage: measure.py BUILD_DIR SECONDS. The saver and the floor program (floor_put, in both of its
modes) run at once, each on a display of its own, at three screen sizes, for SECONDS/2 ticks
after the warm-up ticks; then tick_memory runs 100,000 ticks back to back.
"""

import subprocess
import sys
import time
from concurrent.futures import ThreadPoolExecutor

from report import MAIN_SIZE, PROGRAMS, SIZES, Table, cpu_rows, machine, memory_rows
from spaced_ticks import WARM_UP_TICKS, Run, TestDisplay


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
          f"start-up and {WARM_UP_TICKS} warm-up ticks; "
          f"measured in {time.monotonic() - began:.0f} s.")


if __name__ == "__main__":
    main()
