"""A private desktop for a keyboard session: an X server, a session bus, the
accessibility bus, a simulated radio on a pseudo-terminal and the program
itself with a profile of its own, all under one temporary folder and all
ended again by Desktop.close().

Nothing here touches the user's display, buses or settings: every process
gets its environment from this module, never from the caller's.
"""

import os
import select
import shutil
import signal
import subprocess
import time


class Unavailable(Exception):
    """The session cannot run here (the test is skipped, with the reason)."""


class SessionError(Exception):
    """The session failed."""


AT_SPI_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
INSTALL_HINT = "scripts/install-deps.sh installs it"


def wait_until(condition, timeout, what, interval=0.05, pump=None, tolerant=False):
    """Polls condition() until it returns something true; raises SessionError
    naming `what` after `timeout` seconds. A tolerant wait takes any other
    exception of the condition (an object that went away while it was read)
    for "not yet"."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        if pump:
            pump()
        try:
            value = condition()
        except SessionError:
            raise
        except Exception as error:
            if not tolerant:
                raise
            value, last_error = None, error
        if value:
            return value
        if time.monotonic() > deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise SessionError(f"timed out after {timeout:g} s waiting for {what}{detail}")
        time.sleep(interval)


def read_line_from_fd(fd, timeout, process):
    """The first line a child writes to the pipe `fd`; None when it exits or
    says nothing within `timeout` seconds."""
    data = b""
    deadline = time.monotonic() + timeout
    while b"\n" not in data:
        left = deadline - time.monotonic()
        if left <= 0 or process.poll() is not None and not select.select([fd], [], [], 0)[0]:
            return None
        ready, _, _ = select.select([fd], [], [], min(left, 0.2))
        if ready:
            chunk = os.read(fd, 256)
            if not chunk:
                return None
            data += chunk
    return data.split(b"\n", 1)[0].decode().strip()


class Desktop:
    def __init__(self, folder):
        self.folder = folder
        self.processes = []  # (name, Popen), in start order
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "LANG": "C.UTF-8",
            "HOME": self.path("home"),
            "XDG_CONFIG_HOME": self.path("config"),
            "XDG_DATA_HOME": self.path("data"),
            "XDG_CACHE_HOME": self.path("cache"),
            "XDG_RUNTIME_DIR": self.path("runtime"),
        }
        # Sanitiser settings of an instrumented build pass through.
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]
        for name in ("home", "config", "data", "cache", "runtime"):
            os.makedirs(self.path(name), mode=0o700, exist_ok=True)

    def path(self, *parts):
        return os.path.join(self.folder, *parts)

    def log(self, name):
        return open(self.path(name + ".log"), "wb")

    def spawn(self, name, argv, **options):
        with self.log(name) as out:
            process = subprocess.Popen(argv, env=self.env, stdout=options.pop("stdout", out),
                                       stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                       start_new_session=True, **options)
        self.processes.append((name, process))
        return process

    def log_tail(self, name, lines=15):
        try:
            with open(self.path(name + ".log"), "rb") as f:
                text = f.read().decode(errors="replace").strip().splitlines()
        except OSError:
            return ""
        return "\n".join("    " + line for line in text[-lines:])

    # ---- the pieces, in start order -------------------------------------

    def start_x_server(self, timeout=20):
        if not shutil.which("Xvfb"):
            raise Unavailable(f"no X server can start: Xvfb is not installed ({INSTALL_HINT})")
        read_end, write_end = os.pipe()
        try:
            process = self.spawn("xvfb", ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                          "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                                 pass_fds=(write_end,))
            os.close(write_end)
            write_end = -1
            number = read_line_from_fd(read_end, timeout, process)
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)
        if not number:
            raise Unavailable("no X server can start: Xvfb gave no display\n"
                              + self.log_tail("xvfb"))
        self.env["DISPLAY"] = ":" + number
        return self.env["DISPLAY"]

    def start_session_bus(self, timeout=20):
        if not shutil.which("dbus-daemon"):
            raise Unavailable(f"no session bus: dbus-daemon is not installed ({INSTALL_HINT})")
        read_end, write_end = os.pipe()
        try:
            argv = ["dbus-daemon", "--session", "--nofork", f"--print-address={write_end}"]
            process = self.spawn("session-bus", argv, pass_fds=(write_end,))
            os.close(write_end)
            write_end = -1
            address = read_line_from_fd(read_end, timeout, process)
        finally:
            os.close(read_end)
            if write_end >= 0:
                os.close(write_end)
        if not address:
            raise SessionError("the session bus did not start\n" + self.log_tail("session-bus"))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        return address

    def start_accessibility_bus(self, timeout=20):
        launcher = next((p for p in AT_SPI_LAUNCHERS if os.access(p, os.X_OK)), None)
        if launcher is None:
            raise Unavailable("no accessibility bus: at-spi2-core is not installed "
                              f"({INSTALL_HINT})")
        process = self.spawn("at-spi-bus", [launcher, "--launch-immediately", "--a11y=1"])
        # The launcher owns org.a11y.Bus on the session bus once it answers.
        ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
               "org.a11y.Bus.GetAddress"]

        def answered():
            if process.poll() is not None:
                raise SessionError("the accessibility bus launcher ended\n"
                                   + self.log_tail("at-spi-bus"))
            if not shutil.which("dbus-send"):
                return True
            result = subprocess.run(ask, env=self.env, capture_output=True, timeout=timeout)
            return result.returncode == 0 and b"unix:" in result.stdout

        wait_until(answered, timeout, "the accessibility bus", interval=0.1)

    def start_radio(self, sim, timeout=20):
        """A simulated radio behind a link; it saves its memory on exit."""
        self.radio_link = self.path("radio")
        self.radio_save = self.path("OUT.qx")
        self.radio = self.spawn("radio",
                                [sim, "--link", self.radio_link, "--save", self.radio_save])

        def linked():
            if self.radio.poll() is not None:
                raise SessionError("the simulated radio ended\n" + self.log_tail("radio"))
            return os.path.exists(self.radio_link)

        wait_until(linked, timeout, "the simulated radio's link")

    def seed_profile(self, type_code="KK,0F", model="ZT-Q2"):
        """The profile of a program that was set up before: no setup dialog,
        Com1 checked and mapped to the radio's link."""
        folder = self.path("config", "VANTREL")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "TSL-QX.conf"), "w", encoding="utf-8") as f:
            f.write("[General]\n")
            f.write(f"Path={self.path('home')}\n")
            f.write("CommPort=COM1\n")
            f.write(f"CommDevice1={self.radio_link}\n")
            f.write(f'Type="{type_code}"\n')
            f.write(f"Model={model}\n")

    def start_program(self, tslq):
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        with self.log("tslq") as out:
            self.program = subprocess.Popen([tslq, "--no-splash"], env=env, stdout=out,
                                            stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                                            start_new_session=True, cwd=self.path("home"))
        self.processes.append(("tslq", self.program))
        return self.program

    # ---- keys and windows ---------------------------------------------------

    def xdotool(self, *args, timeout=20):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                timeout=timeout)
        if result.returncode != 0 and args[0] != "search":
            raise SessionError(f"xdotool {' '.join(args)} failed: {result.stderr.decode().strip()}")
        return result.stdout.decode().split()

    def key(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", "40", text)

    def program_windows(self):
        """The program's mapped X windows."""
        return self.xdotool("search", "--onlyvisible", "--pid", str(self.program.pid))

    def focus_window(self, window):
        # There is no window manager: the input focus is set directly, as a
        # window manager would when a dialog closes.
        self.xdotool("windowfocus", window)

    # ---- the end --------------------------------------------------------------

    def stop_radio(self, timeout=20):
        """Ends the simulated radio as an operator would (Ctrl+C): it saves."""
        if self.radio.poll() is None:
            self.radio.send_signal(signal.SIGINT)
            try:
                self.radio.wait(timeout)
            except subprocess.TimeoutExpired:
                raise SessionError("the simulated radio did not end after SIGINT") from None
        return self.radio.returncode

    def close(self):
        for _, process in reversed(self.processes):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for _, process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait(5)
