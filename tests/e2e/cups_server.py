"""A private CUPS server for the tests: config in a folder of the build tree, a Unix socket,
and raw queues whose backend writes each job to a folder of its own."""

import os
import re
import signal
import subprocess
import sys
import time

# Queue name -> folder its jobs are written to.
QUEUES = {
    "demo": "demo",
    "B\u00fcro": "latin1",
    "\u6253\u5370\u673a": "cjk",
}

BACKEND = """#!/bin/sh
# Writes the job to the folder named by the device URI, whole before it is visible.
if [ $# -eq 0 ]; then echo 'direct capture "Unknown" "Quillspool test capture"'; exit 0; fi
dir=${DEVICE_URI#capture:}
out="$dir/job-$1"
if [ $# -ge 6 ]; then cat "$6" > "$out.part"; else cat > "$out.part"; fi || exit 1
printf '%s' "$3" > "$out.title"
mv "$out.part" "$out"
"""

CUPSD_CONF = """Listen {root}/cups.sock
Browsing Off
WebInterface No
DefaultAuthType None
LogLevel warn
MaxJobs 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
"""

CUPS_FILES_CONF = """ServerRoot {root}/conf
RequestRoot {root}/spool
CacheDir {root}/cache
StateDir {root}/state
TempDir {root}/tmp
ServerBin {root}/bin
ErrorLog {root}/log/error_log
AccessLog {root}/log/access_log
PageLog {root}/log/page_log
SystemGroup root
"""


def socket_path(root):
    return os.path.join(root, "cups.sock")


def jobs_dir(root, queue):
    return os.path.join(root, "jobs", QUEUES[queue])


def job_files(root, queue):
    """The finished jobs of a queue, oldest first."""
    folder = jobs_dir(root, queue)
    names = [n for n in os.listdir(folder) if re.fullmatch(r"job-[0-9]+", n)]
    return [os.path.join(folder, n) for n in sorted(names, key=lambda n: int(n[4:]))]


def wait_for_new_job(root, queue, seen, timeout=60):
    """The path of the first job of queue not in seen, once the backend has written it."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        new = [j for j in job_files(root, queue) if j not in seen]
        if new:
            return new[0]
        time.sleep(0.01)
    raise AssertionError("no job reached the queue %r" % queue)


def client_env(root):
    env = dict(os.environ)
    env["CUPS_SERVER"] = socket_path(root)
    return env


def write(path, text, mode=0o644):
    with open(path, "w") as f:
        f.write(text)
    os.chmod(path, mode)


def running(root):
    result = subprocess.run(["lpstat", "-r"], env=client_env(root), capture_output=True,
                            text=True, stdin=subprocess.DEVNULL)
    return result.returncode == 0 and "is running" in result.stdout


def stop(root):
    pid_file = os.path.join(root, "cupsd.pid")
    try:
        with open(pid_file) as f:
            pid = int(f.read())
    except (OSError, ValueError):
        return
    try:
        os.kill(pid, signal.SIGTERM)
        for _ in range(100):
            if exited(pid):
                break
            time.sleep(0.05)
        else:
            os.kill(pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    os.remove(pid_file)


def exited(pid):
    """Whether the process is gone. When this process started it (the benchmark does),
    it stays a zombie until it is reaped here."""
    try:
        reaped, _ = os.waitpid(pid, os.WNOHANG)
        return reaped == pid
    except ChildProcessError:  # not our child
        try:
            os.kill(pid, 0)
            return False
        except ProcessLookupError:
            return True


def start(root):
    root = os.path.abspath(root)
    stop(root)
    for sub in ("conf", "spool", "cache", "state", "tmp", "log", "bin/backend"):
        os.makedirs(os.path.join(root, sub), exist_ok=True)
    for sub in ("daemon", "notifier"):
        link = os.path.join(root, "bin", sub)
        if not os.path.islink(link):
            os.symlink("/usr/lib/cups/" + sub, link)
    os.makedirs(os.path.join(root, "bin", "filter"), exist_ok=True)
    # Not readable by others, so that CUPS runs it as root and it may write anywhere.
    write(os.path.join(root, "bin/backend/capture"), BACKEND, 0o700)
    write(os.path.join(root, "conf/cupsd.conf"), CUPSD_CONF.format(root=root))
    write(os.path.join(root, "conf/cups-files.conf"), CUPS_FILES_CONF.format(root=root))
    # Queues from an earlier run would come back from printers.conf.
    for stale in ("printers.conf", "printers.conf.O"):
        if os.path.exists(os.path.join(root, "conf", stale)):
            os.remove(os.path.join(root, "conf", stale))

    log = open(os.path.join(root, "log/cupsd.out"), "w")
    daemon = subprocess.Popen(
        ["cupsd", "-f", "-c", os.path.join(root, "conf/cupsd.conf"),
         "-s", os.path.join(root, "conf/cups-files.conf")],
        stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    write(os.path.join(root, "cupsd.pid"), str(daemon.pid))
    for _ in range(200):
        if daemon.poll() is not None:
            sys.exit("cupsd exited with status %d; see %s/log" % (daemon.returncode, root))
        if running(root):
            break
        time.sleep(0.05)
    else:
        sys.exit("cupsd did not answer on " + socket_path(root))

    for queue in QUEUES:
        os.makedirs(jobs_dir(root, queue), exist_ok=True)
        subprocess.run(["lpadmin", "-p", queue, "-E", "-v", "capture:" + jobs_dir(root, queue)],
                       env=client_env(root), check=True, stdin=subprocess.DEVNULL)
    print("CUPS is running on %s with queues %s" % (socket_path(root), ", ".join(QUEUES)))


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop"):
        sys.exit("usage: cups_server.py start|stop FOLDER")
    (start if sys.argv[1] == "start" else stop)(sys.argv[2])
