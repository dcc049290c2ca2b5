"""No files and no network: each course, run under strace, opens no file for writing, creates,
removes or renames none, opens no socket but its connection to the display and starts no other
program. The Linux program only: Wine's own processes keep a prefix and a server of their own.
"""

import os
import stat
import tempfile
import time
import unittest

import program
import syscall_trace
import xinput
from e2e_case import EndToEnd

SAVER = "Tesk screen saver"
DIALOG = "Skarvelunde Screen Saver"
SAVER_SECONDS = 3.0  # past the first tick: a picture painted, a quotation printed in its font


def _machine_id():
    for path in ("/var/lib/dbus/machine-id", "/etc/machine-id"):
        if os.path.exists(path):
            with open(path) as f:
                return f.read().strip()
    return None


@unittest.skipIf(program.under_wine(), "the Linux program only")
class NoFilesNoNetwork(EndToEnd):
    def setUp(self):
        super().setUp()
        logs = tempfile.TemporaryDirectory(prefix="skarvelunde-strace-")
        self.addCleanup(logs.cleanup)
        self.logs = logs.name

    def traced_course(self, name, arguments, env):
        """Runs one course to its end under strace; its calls."""
        prefix = os.path.join(tempfile.mkdtemp(dir=self.logs), name)
        run = syscall_trace.start_traced(self.target, arguments, env, prefix)
        self.addCleanup(run.stop)
        if name == "saver":
            window, _ = self.wait_for_window(run, SAVER)
            time.sleep(max(0.0, run.started + SAVER_SECONDS - time.monotonic()))
            self.wait_for_focus(window)
            xinput.press_keys(self.x, "q")
        elif name == "dialog":
            window, _ = self.wait_for_window(run, DIALOG)
            self.wait_for_focus(window)
            xinput.press_keys(self.x, "Return")
        self.assert_ends(run)
        return syscall_trace.calls(prefix)

    def assert_keeps_to_itself(self, calls, env):
        self.assertTrue(calls, "strace logged nothing")
        self.assertEqual([str(c) for c in syscall_trace.opened_for_writing(calls)], [],
                         "files opened for writing")
        # Qt makes sure that a runtime directory exists: it tries to create one, and fails.
        changes = [c for c in syscall_trace.changing_the_file_system(calls)
                   if not (c.name == "mkdir" and c.failed)]
        self.assertEqual([str(c) for c in changes], [], "files created, removed or changed")

        display_socket = "/tmp/.X11-unix/X" + self.display.name.lstrip(":")
        sockets = syscall_trace.network_calls(calls, "socket")
        connects = syscall_trace.network_calls(calls, "connect")
        self.assertTrue(all(c.arguments.startswith("AF_UNIX,") for c in sockets),
                        f"sockets: {[str(c) for c in sockets]}")
        self.assertEqual([str(c) for c in connects if c.socket_path() != display_socket], [],
                         "connections other than the display's")
        self.assertEqual(len(sockets), len(connects), "a socket that is not the display's")
        for name in ("bind", "listen", "accept", "accept4"):
            self.assertEqual(syscall_trace.network_calls(calls, name), [], name)
        sent_to_addresses = [c for c in syscall_trace.network_calls(calls, "sendto")
                             if not c.arguments.endswith("NULL, 0")]
        sent_to_addresses += [c for c in syscall_trace.network_calls(calls, "sendmsg")
                              if "msg_name=NULL" not in c.arguments]
        self.assertEqual([str(c) for c in sent_to_addresses], [], "data sent to an address")

        programs = [c.path() for c in calls if c.name in ("execve", "execveat")]
        self.assertEqual(programs, [self.target.executable], "programs started")

    def check_each_course(self, env):
        for name, arguments in (("none", ["/p", "1"]), ("saver", ["/s"]), ("dialog", ["/c"])):
            with self.subTest(name):
                self.assert_keeps_to_itself(self.traced_course(name, arguments, env), env)

    def test_each_course_keeps_to_itself(self):
        self.check_each_course(self.env)

    def test_each_course_keeps_to_itself_in_a_desktop_session(self):
        self.check_each_course(self.desktop_session())

    def test_each_course_keeps_to_itself_without_a_runtime_directory(self):
        """As in root shells, cron and some display managers: the variable unset, or naming a
        directory that is not there."""
        without = {k: v for k, v in self.env.items() if k != "XDG_RUNTIME_DIR"}
        for name, env in (("unset", without), ("nowhere", {**without, "XDG_RUNTIME_DIR": "/nonexistent/run"})):
            with self.subTest(name):
                self.check_each_course(env)

    def desktop_session(self):
        """What a GNOME session with an input method offers a program: a session bus, GTK's
        theme for Qt, IBus. Nothing listens on the buses: a connection shows as an attempt."""
        env = self.env
        bin_dir = os.path.join(self.logs, "bin")
        os.makedirs(bin_dir)
        daemon = os.path.join(bin_dir, "ibus-daemon")  # Qt's IBus plugin wants one installed
        with open(daemon, "w") as f:
            f.write("#!/bin/sh\n")
        os.chmod(daemon, stat.S_IRWXU)
        machine = _machine_id()
        if machine:
            bus_files = os.path.join(env["XDG_CONFIG_HOME"], "ibus", "bus")
            os.makedirs(bus_files, exist_ok=True)
            with open(os.path.join(bus_files, f"{machine}-unix-{self.display.name.lstrip(':')}"), "w") as f:
                f.write(f"IBUS_ADDRESS=unix:path={self.logs}/ibus\nIBUS_DAEMON_PID={os.getpid()}\n")
        return {**env, "DBUS_SESSION_BUS_ADDRESS": f"unix:path={self.logs}/session-bus",
                "XDG_CURRENT_DESKTOP": "GNOME", "DESKTOP_SESSION": "gnome",
                "QT_QPA_PLATFORMTHEME": "gtk3", "QT_IM_MODULE": "ibus",
                "PATH": bin_dir + os.pathsep + env.get("PATH", "")}


if __name__ == "__main__":
    unittest.main(verbosity=2)
