"""Xvfb on a free display with openbox managing it: the desktop the real-X harnesses drive."""
import ctypes
import os
import re
import signal
import subprocess
import time

# Only what the harnesses need: Alt+F4 closes the active window, a click focuses its window.
OPENBOX_RC = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
  <mouse><context name="Client">
    <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    <mousebind button="Middle" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
  </context></mouse>
</openbox_config>
"""
# A managed client of openbox: a child of a frame (root's child), with its WM_CLASS.
CLIENT = re.compile(r'^ {8}(0x[0-9a-f]+) "(.*)": \("([^"]*)" "[^"]*"\)\s+'
                    r'(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)')

_libc = ctypes.CDLL(None)


def die_with_harness():
    # Nothing this harness starts outlives it, even when it is killed (PR_SET_PDEATHSIG).
    _libc.prctl(1, signal.SIGTERM)


class Failure(Exception):
    pass


class Desktop:
    """Xvfb on a free display, openbox managing it, and the X tools run against it."""

    def __init__(self):
        self.processes = []
        self.env = None

    def start(self, tmp):
        self.env = dict(os.environ, LC_ALL="C.UTF-8")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["DISPLAY"] = self.display = self._start_xvfb()
        rc = os.path.join(tmp, "openbox-rc.xml")
        with open(rc, "w") as f:
            f.write(OPENBOX_RC)
        log = os.path.join(tmp, "openbox.log")
        with open(log, "wb") as f:
            self.spawn(["openbox", "--config-file", rc, "--sm-disable"], stdout=f, stderr=subprocess.STDOUT)
        deadline = time.time() + 30
        while "window id" not in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK").stdout:
            if time.time() > deadline:
                with open(log, errors="replace") as f:
                    raise Failure(f"openbox did not take display {self.display} within 30 s: {f.read().strip()}")
            time.sleep(0.1)

    def _start_xvfb(self):
        # A display of its own with a lock file, which keeps other X servers off it (-displayfd
        # writes no lock file, and another server that picks the same number removes its socket).
        for number in range(90, 100):
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            xvfb = self.spawn(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            deadline = time.time() + 30
            while xvfb.poll() is None and time.time() < deadline:
                ours = self._lock_owner(number) == xvfb.pid
                if ours and self.run("xwininfo", "-root", display=f":{number}").returncode == 0:
                    return f":{number}"
                time.sleep(0.05)
            self.stop(xvfb)  # the number was taken meanwhile, or the server does not come up
        raise Failure("no free X display among :90 to :99")

    @staticmethod
    def _lock_owner(number):
        try:
            with open(f"/tmp/.X{number}-lock") as f:
                return int(f.read().strip())
        except (OSError, ValueError):
            return None

    def spawn(self, argv, env=None, **kwargs):
        process = subprocess.Popen(argv, env=env or self.env, preexec_fn=die_with_harness, **kwargs)
        self.processes.append(process)
        return process

    def run(self, *argv, timeout=10, display=None):
        env = dict(self.env, DISPLAY=display) if display else self.env
        try:
            return subprocess.run(argv, env=env, capture_output=True, text=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            return subprocess.CompletedProcess(argv, -1, "", "timed out")

    def xdotool(self, *args):
        self.run("xdotool", *args)

    def clients(self, wm_class="zelvorin"):
        """The managed windows of the program with that WM_CLASS (of every program for None):
        (id, title, x, y, width, height) with the client area on screen; with their WM_CLASS
        after the id and title when every program's are asked for."""
        for _ in range(5):
            tree = self.run("xwininfo", "-root", "-tree")
            if tree.returncode == 0:  # (a window that vanished during the walk makes it fail)
                found = [m for m in map(CLIENT.match, tree.stdout.splitlines()) if m]
                if wm_class is None:
                    return [(m[1], m[2], m[3], int(m[6]), int(m[7]), int(m[4]), int(m[5])) for m in found]
                return [(m[1], m[2], int(m[6]), int(m[7]), int(m[4]), int(m[5])) for m in found if m[3] == wm_class]
            time.sleep(0.05)
        raise Failure("xwininfo -root -tree keeps failing: " + tree.stderr.strip())

    def stop(self, process):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.processes.remove(process)

    def close(self):
        for process in reversed(self.processes[:]):
            self.stop(process)
