"""A running process seen from outside: its CPU clock, context switches and memory."""

import ctypes
import os
import time

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
                    fields = dict(line.split(":", 1) for line in status)
            except FileNotFoundError:
                continue
            counts[tid] = (int(fields["voluntary_ctxt_switches"]),
                           int(fields["nonvoluntary_ctxt_switches"]))
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


def switches_between(before, after):
    """Voluntary switches (each a sleep that a wake-up ends) and forced ones, of threads that
    live at the end; a thread that ended in between takes its count with it."""
    changes = [(voluntary - before.get(tid, (0, 0))[0], forced - before.get(tid, (0, 0))[1])
               for tid, (voluntary, forced) in after.items()]
    return sum(change[0] for change in changes), sum(change[1] for change in changes)
