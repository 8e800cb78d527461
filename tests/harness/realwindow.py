"""Drive the real punti-e-rette window under a private Xvfb, as a person would.

Run with Debian's /usr/bin/python3 (pyatspi is Debian's). One `Session` owns
everything it starts: an Xvfb on a display it picks itself, a private D-Bus
session bus with the AT-SPI bus, temporary HOME and XDG_* folders, and the
program, started with the scale pinned to 96 DPI (15 twips per pixel) and
accessibility on. Leaving the `with` block (or a time-out, or SIGTERM) stops
each of those processes by its PID.

    from realwindow import Session
    with Session("build/punti-e-rette") as s:
        s.focus()
        s.key("Tab")
        print(s.focused_name())                  # "Fondo scala"
        s.click_control("x1"); s.type("0")
        s.click_control("I punti e le distanze")
        shot = s.stable_screenshot()
        print(shot.pixel(213, 213))               # (0, 0, 0): the axes cross
        print(s.accessible_text("Distanza P1-P2", by="description"))
        shot.save_png("/tmp/window.png")

Coordinates are pixels of the window's client area (the X window has no
frame: no window manager runs). A twip position t is pixel round(t / 15).
"""

import atexit
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib

TWIPS_PER_PIXEL = 15
SCREEN = (1280, 1024)

# The scale that makes one pixel 15 twips, whatever the machine says.
PINNED_SCALE = {
    "QT_ENABLE_HIGHDPI_SCALING": "0",
    "QT_SCALE_FACTOR": "1",
    "QT_FONT_DPI": "96",
}


def pixels(twips):
    """The pixel of a twip coordinate at 96 DPI."""
    return int(round(twips / TWIPS_PER_PIXEL))


class HarnessError(RuntimeError):
    pass


class Screenshot:
    """An RGB picture of the window: width, height, pixel(x, y) -> (r, g, b)."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    @classmethod
    def from_ppm(cls, data):
        fields, pos = [], 0
        while len(fields) < 4:  # magic, width, height, maxval; comments skipped
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[pos:end])
            pos = end
        if fields[0] != b"P6" or fields[3] != b"255":
            raise HarnessError("expected an 8-bit binary PPM, got %r" % fields)
        width, height = int(fields[1]), int(fields[2])
        rgb = data[pos + 1:pos + 1 + 3 * width * height]
        return cls(width, height, rgb)

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError("pixel (%d, %d) outside %dx%d" % (x, y, self.width, self.height))
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def count(self, colour, box=None):
        """How many pixels of `colour` lie in box (x0, y0, x1, y1), end excluded."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        return sum(1 for y in range(y0, y1) for x in range(x0, x1) if self.pixel(x, y) == colour)

    def __eq__(self, other):
        return isinstance(other, Screenshot) and (self.width, self.height, self.rgb) == (
            other.width, other.height, other.rgb)

    def save_png(self, path):
        rows = b"".join(b"\0" + self.rgb[3 * self.width * y:3 * self.width * (y + 1)]
                        for y in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(rows, 6)))
            f.write(chunk(b"IEND", b""))


class Session:
    """The program in its own X server and buses. Use as a context manager."""

    def __init__(self, program, time_limit=60, env=None, screen=SCREEN, window_manager=False):
        self.program = os.path.abspath(program)
        self.deadline = time.monotonic() + time_limit
        self.extra_env = dict(env or {})
        self.screen = screen
        self.window_manager = window_manager
        self.processes = []  # (name, Popen), stopped in reverse order
        self.tmp = None
        self.env = None
        self.pid = None
        self.window = None
        self._atspi = None
        self._logs = []
        self._old_handlers = None

    # --- start and stop -------------------------------------------------

    def __enter__(self):
        atexit.register(self.close)
        self._old_handlers = (signal.signal(signal.SIGTERM, self._on_term),
                              signal.signal(signal.SIGALRM, self._on_alarm))
        signal.alarm(max(1, int(self.deadline - time.monotonic())))
        try:
            self.tmp = tempfile.mkdtemp(prefix="punti-e-rette-")
            self.env = self._base_env()
            self._start_xvfb()
            if self.window_manager:
                self._start_window_manager()
            self._start_buses()
            self._start_program()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def _on_term(self, *_):
        self.close()
        raise SystemExit(143)

    def _on_alarm(self, *_):
        raise HarnessError("the session ran past its time limit")

    def close(self):
        signal.alarm(0)
        for _, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(timeout=3)
        self.processes = []
        for log in self._logs:
            log.close()
        self._logs = []
        if self._old_handlers:
            signal.signal(signal.SIGTERM, self._old_handlers[0])
            signal.signal(signal.SIGALRM, self._old_handlers[1])
            self._old_handlers = None
        if self.tmp:
            shutil.rmtree(self.tmp, ignore_errors=True)
            self.tmp = None

    def _base_env(self):
        home = os.path.join(self.tmp, "home")
        runtime = os.path.join(self.tmp, "runtime")
        for d in (home, runtime):
            os.makedirs(d, mode=0o700)
        return {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_STATE_HOME": os.path.join(home, ".local/state"),
            "LANG": "C.UTF-8",
        }

    def _spawn(self, name, args, env, pass_fds=()):
        log = open(os.path.join(self.tmp, name + ".log"), "wb")
        self._logs.append(log)
        process = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=log,
                                   pass_fds=pass_fds, start_new_session=True)
        self.processes.append((name, process))
        return process

    def _read_line(self, fd, what):
        data = b""
        while not data.endswith(b"\n"):
            if time.monotonic() > self.deadline:
                raise HarnessError("timed out waiting for " + what)
            chunk = os.read(fd, 256)
            if not chunk:
                raise HarnessError(what + " did not start: " + self.log(what))
            data += chunk
        os.close(fd)
        return data.decode().strip()

    def _start_xvfb(self):
        read, write = os.pipe()
        # -displayfd: Xvfb picks a free display itself, so sessions can overlap.
        # -noreset: the AT-SPI bus launcher connects and leaves before the
        # program does; without it the server resets then, and under load the
        # program's connection lands in the reset and fails.
        self._spawn("Xvfb", ["Xvfb", "-displayfd", str(write), "-screen", "0",
                             "%dx%dx24" % self.screen, "-nolisten", "tcp", "-dpi", "96",
                             "-noreset"],
                    self.env, pass_fds=(write,))
        os.close(write)
        self.env["DISPLAY"] = ":" + self._read_line(read, "Xvfb")

    def _start_window_manager(self):
        """Openbox, for what only a window manager does: a frame around the
        window, maximising it, honouring a full-screen request."""
        self._spawn("openbox", ["openbox", "--sm-disable"], self.env)
        while b"_NET_SUPPORTING_WM_CHECK(WINDOW)" not in self._run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                                                    check=False):
            if time.monotonic() > self.deadline or self.processes[-1][1].poll() is not None:
                raise HarnessError("openbox did not start: " + self.log("openbox"))
            time.sleep(0.05)

    def _start_buses(self):
        read, write = os.pipe()
        socket = os.path.join(self.tmp, "bus")
        self._spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                             "--address=unix:path=" + socket, "--print-address=%d" % write],
                    self.env, pass_fds=(write,))
        os.close(write)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(read, "dbus")
        # Qt waits for the accessibility bus but does not start it; asking for
        # its address makes the session bus start it.
        self._run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                   "/org/a11y/bus", "org.a11y.Bus.GetAddress"])

    def _start_program(self):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   **PINNED_SCALE)
        env.update(self.extra_env)
        self.pid = self._spawn("program", [self.program], env).pid
        while not self.window:
            if time.monotonic() > self.deadline or self.processes[-1][1].poll() is not None:
                raise HarnessError("the program showed no window: " + self.log("program"))
            found = self._xdotool("search", "--onlyvisible", "--pid", str(self.pid), check=False)
            self.window = found.split()[0] if found.split() else None
            if not self.window:
                time.sleep(0.05)

    def log(self, name):
        try:
            with open(os.path.join(self.tmp, name + ".log"), errors="replace") as f:
                return f.read()[-2000:]
        except OSError:
            return ""

    def running(self):
        """True while the program is still alive."""
        return any(name == "program" and p.poll() is None for name, p in self.processes)

    # --- X: keys, mouse, geometry, pictures -------------------------------

    def _run(self, args, check=True):
        timeout = max(0.5, self.deadline - time.monotonic())
        done = subprocess.run(args, env=self.env, capture_output=True, timeout=timeout)
        if check and done.returncode != 0:
            raise HarnessError("%s failed: %s" % (" ".join(args), done.stderr.decode(errors="replace")))
        return done.stdout

    def _xdotool(self, *args, check=True):
        return self._run(["xdotool"] + list(args), check=check).decode()

    def focus(self, window=None):
        """Gives a window (the main one by default) the keyboard focus: no
        window manager does it."""
        self._xdotool("windowfocus", "--sync", window or self.window)

    def other_windows(self):
        """The program's visible windows besides the main one (a message box)."""
        found = self._xdotool("search", "--onlyvisible", "--pid", str(self.pid), check=False)
        return [w for w in found.split() if w != self.window]

    def key(self, *keys):
        """Presses keys by X name: key("Tab"), key("shift+Tab"), key("space")."""
        self._xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self._xdotool("type", "--delay", "20", "--", text)

    def click(self, x, y):
        """A left click at pixel (x, y) of the client area."""
        self._xdotool("mousemove", "--window", self.window, str(x), str(y), "click", "1")

    def click_control(self, name, by="name", role=None):
        """A click in the middle of the control with this accessible name."""
        x, y, w, h = self.extents(name, by, role)
        self.click(x + w // 2, y + h // 2)

    def window_size(self):
        out = self._xdotool("getwindowgeometry", self.window)
        size = [line for line in out.splitlines() if "Geometry:" in line][0].split()[-1]
        w, h = size.split("x")
        return int(w), int(h)

    def resize(self, width, height):
        """Sizes the window as a window manager would: no window manager runs,
        so a maximise or full-screen request is not honoured by itself."""
        self._xdotool("windowsize", "--sync", self.window, str(width), str(height))

    def screenshot(self, window=None):
        return Screenshot.from_ppm(self._run(["import", "-window", window or self.window,
                                              "-depth", "8", "ppm:-"]))

    def stable_screenshot(self, attempts=40):
        """A screenshot equal to the one before it: the screen has settled."""
        last = self.screenshot()
        for _ in range(attempts):
            time.sleep(0.05)
            shot = self.screenshot()
            if shot == last:
                return shot
            last = shot
        raise HarnessError("the window kept changing")

    # --- the accessibility bus --------------------------------------------

    def _pyatspi(self):
        if self._atspi is None:
            # pyatspi reaches the bus named in the environment at import time.
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
            os.environ["DISPLAY"] = self.env["DISPLAY"]
            import pyatspi
            self._atspi = pyatspi
        return self._atspi

    def _application(self):
        pyatspi = self._pyatspi()
        while time.monotonic() < self.deadline:
            desktop = pyatspi.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.get_process_id() == self.pid:
                    return app
            time.sleep(0.05)
        raise HarnessError("the program never reached the accessibility bus")

    def accessibles(self):
        """Every accessible object of the window, depth first."""
        found, todo = [], [self._application()]
        while todo:
            node = todo.pop()
            found.append(node)
            todo.extend(node.getChildAtIndex(i) for i in reversed(range(node.childCount)))
        return [n for n in found if n is not None]

    def find(self, text, by="name", role=None):
        """The accessible whose name (or description) is `text`; `role`
        ("label", "text", "push button") tells apart a text box and the label
        that share a heading, such as "Fondo scala"."""
        for node in self.accessibles():
            value = node.name if by == "name" else node.description
            if value == text and (role is None or node.getRoleName() == role):
                return node
        raise HarnessError("no accessible with %s %r" % (by, text))

    def accessible_text(self, text, by="name", role=None):
        """What a control shows: a text box's contents, a label's caption."""
        node = self.find(text, by, role)
        try:
            t = node.queryText()
            if node.getRoleName() == "text":
                return t.getText(0, -1)
        except NotImplementedError:
            pass
        return node.name

    def extents(self, text, by="name", role=None):
        """(x, y, width, height) of a control in window pixels."""
        pyatspi = self._pyatspi()
        e = self.find(text, by, role).queryComponent().getExtents(pyatspi.WINDOW_COORDS)
        return e.x, e.y, e.width, e.height

    def wait_for(self, condition, what, timeout=5):
        """Polls `condition()` until it is true; the accessibility bus and the
        screen lag a little behind a key press."""
        end = min(self.deadline, time.monotonic() + timeout)
        while time.monotonic() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise HarnessError("timed out waiting for " + what)

    def focused_name(self):
        """The accessible name of the control that has the keyboard focus."""
        pyatspi = self._pyatspi()
        for node in self.accessibles():
            if node.getState().contains(pyatspi.STATE_FOCUSED) and node.getRoleName() != "frame":
                return node.name
        return None
