"""A run under strace, and what its log says the program did to files, sockets and processes.

Each process and thread writes a log of its own (strace -ff), so that no call is split over lines
by another thread's call.
"""

import glob
import re
from dataclasses import dataclass

import program

TRACED = "%file,%network,%process"
_CALL = re.compile(r"^(?P<name>\w+)\((?P<arguments>.*)\)\s+=\s+(?P<result>-?\d+|0x[0-9a-f]+|\?)"
                   r"(?:\s+(?P<error>E[A-Z0-9]+))?")
_WRITING = re.compile(r"\bO_(WRONLY|RDWR|CREAT|TRUNC|APPEND)\b")
_CHANGING = {"creat", "mkdir", "mkdirat", "rmdir", "unlink", "unlinkat", "rename", "renameat",
             "renameat2", "link", "linkat", "symlink", "symlinkat", "mknod", "mknodat", "truncate",
             "chmod", "fchmodat", "chown", "lchown", "fchownat", "utime", "utimes", "utimensat",
             "futimesat", "setxattr", "lsetxattr", "removexattr", "lremovexattr"}
_PATH = re.compile(r'"((?:[^"\\]|\\.)*)"')
_SOCKET_PATH = re.compile(r'sun_path=@?"((?:[^"\\]|\\.)*)"')


@dataclass(frozen=True)
class Call:
    name: str
    arguments: str
    failed: bool
    error: str

    def path(self):
        """The first quoted argument: the file a file call names."""
        found = _PATH.search(self.arguments)
        return found.group(1) if found else None

    def socket_path(self):
        found = _SOCKET_PATH.search(self.arguments)
        return found.group(1) if found else None

    def __str__(self):
        return f"{self.name}({self.arguments[:200]}){' ' + self.error if self.failed else ''}"


def start_traced(target, arguments, env, log_prefix):
    """The Linux program under strace; each traced process logs to log_prefix.<pid>. A leak check
    (the sanitizer build's) cannot run under a tracer: it is left to the untraced runs."""
    command = ["strace", "-ff", "-qq", "-e", f"trace={TRACED}", "-o", log_prefix,
               target.executable, *arguments]
    untraceable = {"LSAN_OPTIONS": env.get("LSAN_OPTIONS", "") + ":detect_leaks=0"}
    return program.Run(command, {**env, **untraceable})


def calls(log_prefix):
    """Every completed call in the logs, in each process's order."""
    found = []
    for log in sorted(glob.glob(glob.escape(log_prefix) + ".*")):
        with open(log, errors="replace") as lines:
            for line in lines:
                call = _CALL.match(line.strip())
                if call:
                    found.append(Call(call["name"], call["arguments"], call["result"].startswith("-"),
                                      call["error"] or ""))
    return found


def opened_for_writing(found):
    return [c for c in found if c.name in ("open", "openat", "openat2") and _WRITING.search(c.arguments)]


def changing_the_file_system(found):
    """Calls that create, remove, rename or alter a file, whether or not they succeeded."""
    return [c for c in found if c.name in _CHANGING]


def network_calls(found, name):
    return [c for c in found if c.name == name]
