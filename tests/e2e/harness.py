"""Runs the real program under Wine and hands back its exit status and exact stdout bytes."""

import fcntl
import os
import pty
import re
import select
import shutil
import struct
import subprocess
import termios
import tempfile
import time

WINE = os.environ.get("WINE", "/usr/lib/wine/wine64")
EXE = os.environ["QUILLSPOOL_EXE"]
STANDIN_EXE = os.environ.get("QUILLSPOOL_STANDIN_EXE", "")
CUPS_DIR = os.environ.get("CUPS_DIR", "")
TIMEOUT = 120


def windows_path(path):
    """The name Wine gives a Unix path: the root is drive Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def on_a_pipe(text):
    """The bytes a text becomes on a pipe: one byte per unit up to U+00FF, '?' for every
    other UTF-16 unit (two for a character beyond the BMP)."""
    out = b""
    for c in text:
        out += bytes([ord(c)]) if ord(c) <= 0xFF else b"?" * (len(c.encode("utf-16-le")) // 2)
    return out


def run(args, exe=EXE, cwd=None, extra_env=None):
    """Runs exe with args; returns (status, stdout bytes). The program writes nothing to
    standard error, and with WINEDEBUG=-all neither does Wine."""
    env = dict(os.environ)
    env.update(extra_env or {})
    result = subprocess.run([WINE, exe] + list(args), cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=TIMEOUT)
    if result.stderr:
        raise AssertionError("wrote to standard error: %r" % result.stderr)
    return result.returncode, result.stdout


def run_through_cmd(command_line, cwd):
    """Runs a command line through cmd, which hands argv[0] over as typed."""
    return run(["/c", command_line], exe="cmd", cwd=cwd)


CURSOR_FORWARD = re.compile(rb"\x1b\[([0-9]*)C")
ESCAPE = re.compile(rb"\x1b\[[0-9;?]*[A-Za-z]|\x1b\][^\x07]*\x07")


def terminal_text(shown):
    """What a terminal shows for the console's output: the console draws runs of spaces
    as cursor moves."""
    shown = CURSOR_FORWARD.sub(lambda m: b" " * int(m.group(1) or 1), shown)
    return ESCAPE.sub(b"", shown).replace(b"\r", b"").decode("utf-8", errors="replace")


def run_on_console(args, exe=EXE, extra_env=None):
    """Runs exe with a terminal as its standard output, which Wine turns into a console.
    Returns (status, text the terminal shows), without the console's escape sequences."""
    env = dict(os.environ)
    env.update(extra_env or {})
    master, slave = pty.openpty()
    # Wide enough that the console wraps no line.
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", 50, 1000, 0, 0))
    process = subprocess.Popen([WINE, exe] + list(args), env=env, stdin=slave, stdout=slave,
                               stderr=subprocess.DEVNULL, start_new_session=True)
    os.close(slave)
    shown = b""
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        ready, _, _ = select.select([master], [], [], 0.5)
        if ready:
            try:
                chunk = os.read(master, 65536)
            except OSError:  # the terminal closed with the last writer
                break
            if not chunk:
                break
            shown += chunk
        elif process.poll() is not None:
            break
    os.close(master)
    status = process.wait(timeout=TIMEOUT)
    return status, terminal_text(shown)


class ScratchFolder:
    """A folder the test may fill, removed afterwards."""

    def __enter__(self):
        self.path = tempfile.mkdtemp(prefix="quillspool-e2e-")
        return self.path

    def __exit__(self, *exc):
        shutil.rmtree(self.path, ignore_errors=True)
