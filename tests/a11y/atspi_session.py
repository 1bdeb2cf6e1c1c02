"""A private desktop for screen-reader tests: an X server, a D-Bus session, the AT-SPI bus, and
the program running on them with accessibility on, read through pyatspi as a screen reader reads
it. Everything waits for what it needs with a deadline; nothing sleeps a fixed time."""

import os
import random
import select
import shutil
import signal
import socket
import struct
import subprocess
import tempfile
import time

SKIP = 77  # ctest's skip code for this test


class BusUnavailable(Exception):
    """The private session or accessibility bus could not be started: the test is skipped."""


def _read_line(stream, timeout):
    deadline = time.monotonic() + timeout
    line = b""
    while not line.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([stream], [], [], left)[0]:
            return None
        chunk = os.read(stream.fileno(), 1)
        if not chunk:
            return None
        line += chunk
    return line.decode().strip()


def _x_server_answers(display, timeout):
    """Whether the X server of the display accepts a client without a cookie, asked the way
    libxcb asks: the abstract socket first, then the one in /tmp/.X11-unix."""
    deadline = time.monotonic() + timeout
    path = f"/tmp/.X11-unix/X{display}"
    while time.monotonic() < deadline:
        for address in ("\0" + path, path):
            try:
                with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as sock:
                    sock.settimeout(5)
                    sock.connect(address)
                    # The connection set-up: byte order, protocol 11.0, no authorization.
                    sock.sendall(struct.pack("<BxHHHHxx", ord("l"), 11, 0, 0, 0))
                    return sock.recv(1) == b"\x01"
            except OSError:
                continue
        time.sleep(0.05)
    return False


class Desktop:
    """Xvfb, a session bus and the accessibility bus, all private to one test run."""

    def __init__(self, startup_timeout=60):
        self.timeout = startup_timeout
        self.procs = []
        self.home = tempfile.mkdtemp(prefix="vq-a11y-")
        self.env = dict(os.environ)
        for name in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "QT_QPA_PLATFORM", "QT_ACCESSIBILITY",
                     "DBUS_SESSION_BUS_ADDRESS", "DISPLAY"):
            self.env.pop(name, None)
        # The accessibility bus puts its socket in the runtime folder: ours, so that other runs
        # on the same machine keep theirs.
        self.env.update({
            "HOME": self.home,
            "XDG_CONFIG_HOME": os.path.join(self.home, "config"),
            "XDG_CACHE_HOME": os.path.join(self.home, "cache"),
            "XDG_RUNTIME_DIR": self.home,
        })

    def start(self):
        for tool in ("Xvfb", "dbus-daemon"):
            if not shutil.which(tool):
                raise BusUnavailable(f"{tool} is not installed")
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.access(launcher, os.X_OK):
            raise BusUnavailable(f"{launcher} is not installed (package at-spi2-core)")
        display = self._start_x_server()
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"])
        address = _read_line(bus.stdout, self.timeout)
        if not address:
            raise BusUnavailable("the private D-Bus session did not start")
        self.env.update({"DISPLAY": ":" + display, "DBUS_SESSION_BUS_ADDRESS": address})
        self._spawn([launcher, "--launch-immediately"], stdout=subprocess.DEVNULL)
        # pyatspi finds the bus through the session bus and the X root window: both are ours now.
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        os.environ.pop("AT_SPI_BUS_ADDRESS", None)
        self._wait_for_a11y_bus()

    # The display Xvfb picks for itself (the first free one by the lock files in /tmp) can still be
    # taken in the abstract socket namespace by a server this /tmp does not show, whose clients
    # need a cookie we lack: then a display of a number of our own is tried, until one answers.
    def _start_x_server(self):
        xvfb = self._spawn(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x800x24", "-nolisten", "tcp"])
        display = _read_line(xvfb.stdout, self.timeout)
        if display and _x_server_answers(display, self.timeout):
            return display
        for number in random.sample(range(200, 900), 5):
            if os.path.exists(f"/tmp/.X{number}-lock"):
                continue
            self._spawn(["Xvfb", f":{number}", "-screen", "0", "1280x800x24", "-nolisten", "tcp"])
            if _x_server_answers(str(number), self.timeout):
                return str(number)
        raise BusUnavailable("no X server of our own could be reached")

    def _ask_session_bus(self, *message):
        return subprocess.run(["dbus-send", "--session", "--print-reply", *message], env=self.env,
                              capture_output=True, text=True, timeout=self.timeout)

    # Asks whether our launcher owns its name before asking it anything: a call to a name that
    # nobody owns yet would have the session bus start a second launcher of its own.
    def _wait_for_a11y_bus(self):
        deadline = time.monotonic() + self.timeout
        while time.monotonic() < deadline:
            owned = self._ask_session_bus("--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                          "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus")
            if "boolean true" in owned.stdout:
                address = self._ask_session_bus("--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
                if "unix:" in address.stdout:
                    return
            if self.procs[-1].poll() is not None:
                break
            # dbus-send answers at once; this only paces the probes while the launcher starts.
            time.sleep(0.1)
        raise BusUnavailable("the AT-SPI bus launcher (at-spi-bus-launcher) did not come up")

    def _spawn(self, argv, stdout=subprocess.PIPE, env=None):
        proc = subprocess.Popen(argv, stdout=stdout, stderr=subprocess.DEVNULL, env=env or self.env,
                                start_new_session=True)
        self.procs.append(proc)
        return proc

    def launch(self, argv, extra_env=None):
        env = dict(self.env)
        env.update({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_QPA_PLATFORM": "xcb"})
        env.update(extra_env or {})
        return subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                start_new_session=True)

    def stop(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                try:
                    os.killpg(proc.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for proc in self.procs:
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)
        shutil.rmtree(self.home, ignore_errors=True)
