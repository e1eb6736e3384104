"""Running a program text in one of the engines, with a time limit."""
import os
import subprocess
import tempfile

PEER = ["clips", "-f2"]
REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", "..", ".."))
DEFAULT_SHELL = os.path.join(REPO, "build", "src", "shell", "vettora-shell")


def our_shell():
    return os.environ.get("VETTORA_SHELL", DEFAULT_SHELL)


def command(engine, path):
    return PEER + [path] if engine == "peer" else [our_shell(), path]


class Outcome:
    def __init__(self, text, timed_out, status):
        self.text, self.timed_out, self.status = text, timed_out, status


def run_text(engine, text, timeout, workdir=None):
    """Runs `text` (which must end in (exit)) in engine 'ours' or 'peer';
    standard output and error merged."""
    fd, path = tempfile.mkstemp(suffix=".clp", dir=workdir)
    try:
        with os.fdopen(fd, "w") as f:
            f.write(text)
        try:
            done = subprocess.run(command(engine, path), stdin=subprocess.DEVNULL,
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                  timeout=timeout)
            out = done.stdout.decode("utf-8", "replace")
            return Outcome(out, False, done.returncode)
        except subprocess.TimeoutExpired as e:
            out = (e.stdout or b"").decode("utf-8", "replace")
            return Outcome(out, True, None)
    finally:
        os.unlink(path)
