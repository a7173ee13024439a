"""The programs the real-X monkey drives: the Qt program on Linux, and the Windows program under Wine.

Each says how the program starts and with what environment, how its windows are known on the
X display, where its controls are, and what besides its exit status tells of a fault."""
import os
import re
import subprocess
import tempfile

from desktop import Failure

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts")
DBUS_STAND_IN = "#!/bin/sh\necho \"dbus-launch $*\" >> '{record}'\nexit 1\n"


def parse_controls(listing):
    """Text boxes and buttons of each window: {window: {label: (kind, left, top, width, height in pixels)}}."""
    controls = {}
    for line in listing.splitlines():
        window, name, index, kind, *rect = line.split()
        label = name if index == "-1" else f"{name}({index})"
        controls.setdefault(window, {})[label] = (kind, *(int(v) / 15 for v in rect))
    return controls


class QtProgram:
    """The sanitizer build of the Qt program, which must never run dbus-launch."""

    wm_class = "zelvorin"
    long_paste = 3000
    settle_after_paste = False
    # How long the program may take after a batch's last event before it must be idle.
    catch_up_seconds = 4
    # A sanitizer's report in the program's output.
    report = re.compile(r"AddressSanitizer|LeakSanitizer|runtime error:")

    def __init__(self, program, runner, suppressions):
        self.runner, self.suppressions = runner, suppressions
        self.command = [program]
        self.env = None
        self.dbus_record = None

    def prepare(self, desktop, tmp):
        self.dbus_record = os.path.join(tmp, "dbus-launch.ran")
        stand_ins = os.path.join(tmp, "bin")
        os.mkdir(stand_ins)
        with open(os.path.join(stand_ins, "dbus-launch"), "w") as f:
            f.write(DBUS_STAND_IN.format(record=self.dbus_record))
        os.chmod(os.path.join(stand_ins, "dbus-launch"), 0o755)
        runtime = os.path.join(tmp, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = dict(desktop.env, PATH=stand_ins + os.pathsep + os.environ.get("PATH", ""),
                        QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime, ASAN_OPTIONS="abort_on_error=0",
                        UBSAN_OPTIONS="print_stacktrace=1")
        self.env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        if os.path.exists(self.suppressions):
            self.env["LSAN_OPTIONS"] = "suppressions=" + self.suppressions
        else:
            print(f"xmonkey: no {self.suppressions}: leaks are reported unsuppressed")

    def controls(self):
        return parse_controls(subprocess.run([self.runner, "--controls"], capture_output=True, text=True,
                                             check=True).stdout)

    def check_answers(self, titles):
        """Between batches: nothing beyond the monkey's own checks."""

    def describe(self):
        """What a failure report tells of the program's windows besides the X display's view."""
        return []

    def foreign(self, clients):
        """Windows that show a fault: none on this desktop (openbox's own prompts are the harness's)."""
        return []

    def faults(self):
        """What the program did that it must not, found after its run: its runs of dbus-launch."""
        if not self.dbus_record or not os.path.exists(self.dbus_record):
            return ""
        with open(self.dbus_record) as f:
            runs = f.read().splitlines()
        return "the program ran " + runs[0] + (f" (and {len(runs) - 1} times more)" if len(runs) > 1 else "")

    def close(self):
        pass


class WineProgram:
    """The Windows program under Wine, in a prefix with one Wine server on the monkey's desktop.

    Wine's desktop process (explorer.exe), which also bridges the clipboard to X, takes the
    display of the server's first program: so the server is started here, on this desktop, and
    ended with the run. A small Windows program lists the visible windows of the prefix and
    whether each answers an empty message."""

    wm_class = "zelvorin.exe"
    long_paste = 100_000
    # A paste of the long clipboard into the manual's text box takes the system's text box about
    # two seconds here, and more as its text grows: the monkey waits for the program after every
    # paste, or the input it sends meanwhile piles up.
    settle_after_paste = True
    # Once the manual's text box holds some pastes of the long text, each key typed into it takes
    # the system's text box and the program tens of milliseconds here: the keys of a batch may
    # keep it busy for some seconds after the last one.
    catch_up_seconds = 20
    # What Wine prints when the program meets an exception it does not handle.
    report = re.compile(r"Unhandled (exception|page fault)|wine: Assertion")

    def __init__(self, wine, prefix, program, runner, answers):
        self.wine, self.prefix, self.runner, self.answers = wine, os.path.abspath(prefix), runner, answers
        self.wineserver = os.path.join(os.path.dirname(wine), "wineserver")
        self.command = [wine, program]
        self.env = None

    def _run(self, *argv, timeout=120):
        """Runs a command to its end: (status, output, errors). The output goes through files, not
        pipes: Wine's server and services, which a command may start, keep what they inherit open."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            try:
                status = subprocess.run(argv, env=self.env, stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                                        timeout=timeout).returncode
            except subprocess.TimeoutExpired:
                raise Failure(f"{' '.join(map(os.path.basename, argv))} did not end within {timeout} s")
            out.seek(0)
            err.seek(0)
            return status, out.read().decode(errors="replace"), err.read().decode(errors="replace")

    def prepare(self, desktop, tmp):
        # Wine's menu builder writes nothing outside the prefix.
        self.env = dict(desktop.env, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        os.makedirs(self.prefix, exist_ok=True)
        self._run(self.wineserver, "-k")  # a server left by an interrupted run
        self._run(self.wineserver, "-w")
        if self._run(self.wineserver, "-p")[0] != 0:
            raise Failure(f"Wine's server did not start for {self.prefix}")
        status, _, errors = self._run(self.wine, "wineboot", "--init")
        if status != 0:
            raise Failure("Wine could not make its prefix: " + errors[-300:])
        status, _, errors = self._run(os.path.join(SCRIPTS, "wine-desktop-settings"), "env",
                                      f"WINEPREFIX={self.prefix}", "WINEDEBUG=-all", self.wine)
        if status != 0:
            raise Failure(errors.strip())

    def controls(self):
        status, listing, _ = self._run(self.wine, self.runner, "--controls")
        if status != 0:
            raise Failure("the scenario runner did not list the controls under Wine")
        return parse_controls(listing)

    def describe(self):
        """The prefix's visible windows, each with its process, class, title and whether it answers."""
        try:
            return self._run(self.wine, self.answers, timeout=60)[1].splitlines()
        except Failure as failure:
            return [str(failure)]

    def check_answers(self, titles):
        """Fails when a window of the program does not answer, or a window of another program is up."""
        lines = self._run(self.wine, self.answers, timeout=60)[1].splitlines()
        windows = [line.split("\t") for line in lines if line.count("\t") == 3]
        ours = {process for process, _, title, _ in windows if title in titles}
        if not ours:
            raise Failure("no window of the program among the prefix's windows: " + "; ".join(lines))
        for process, window_class, title, state in windows:
            if process not in ours:
                raise Failure(f"a window of another program is up: class {window_class}, title {title!r}")
            if state != "answers":
                raise Failure(f"the program's window {title!r} does not answer")

    def foreign(self, clients):
        """Windows on the desktop that are not the program's: Wine's crash dialog above all."""
        return [(title, window_class) for _, title, window_class, *_ in clients if window_class != self.wm_class]

    def faults(self):
        return ""

    def close(self):
        if self.env:
            self._run(self.wineserver, "-k")
            self._run(self.wineserver, "-w")
