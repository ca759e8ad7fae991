# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the end-to-end tests in Python share: a session of their own (D-Bus, runtime folder,
display), the accessibility tree of the running game, the events it sends, and polling with
a deadline instead of fixed waits."""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIP)


def fail(reason):
    print(f"FAILED: {reason}")
    sys.exit(1)


def in_own_session(tools):
    """Re-runs this script under a D-Bus session bus of its own, once the tools are there."""
    for tool in tools + ["dbus-run-session", "gdbus"]:
        if not shutil.which(tool):
            skip(f"{tool} is not installed (scripts/setup --test installs it)")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        skip("python3-pyatspi is not installed (scripts/setup --test installs it)")
    if not os.environ.get("QUINTARA_E2E_SESSION"):
        env = dict(os.environ)
        runtime = tempfile.mkdtemp(prefix="quintara-e2e-")
        os.chmod(runtime, 0o700)
        env["XDG_RUNTIME_DIR"] = runtime
        # Nobody's settings, no desktop's accessibility switches but ours.
        env["XDG_CONFIG_HOME"] = os.path.join(runtime, "config")
        env["HOME"] = runtime
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        child = subprocess.Popen(
            ["dbus-run-session", "--", sys.executable, os.path.abspath(sys.argv[0])] + sys.argv[1:],
            env=dict(env, QUINTARA_E2E_SESSION="1"),
        )
        status = child.wait()
        shutil.rmtree(runtime, ignore_errors=True)
        sys.exit(status)


def solve_easy(terms):
    """The fifth term of an Easy sequence, arithmetic or geometric, from the four shown."""
    a, b, c, d = terms
    if b - a == c - b == d - c:
        return d + (d - c)
    ratio = b // a if a else 0
    if a * ratio == b and b * ratio == c and c * ratio == d:
        return d * ratio
    fail(f"{terms} is neither arithmetic nor geometric")


class Processes:
    """Started processes, ended again by their ids when the test ends."""

    def __init__(self):
        self.started = []

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, **kwargs)
        self.started.append(process)
        return process

    def end_all(self):
        for process in reversed(self.started):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def wait_for(what, condition, timeout=20.0, pump=None):
    """Polls condition until it returns something true; fails the test after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        if pump:
            pump()
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            fail(f"timed out waiting for {what}")
        time.sleep(0.05)


def expect_clean_exit(process, what):
    """The program ends within the deadline with status 0."""
    try:
        status = process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        fail(f"{what} did not end the program")
    if status != 0:
        fail(f"the program ended with status {status}")


def _server_answers(display, server):
    """Our own server runs and answers on the display; where ss can tell, the display's
    socket is our server's and not another one's of the same number."""
    if server.poll() is not None:
        return False
    if subprocess.run(["xdpyinfo", "-display", display], stdout=subprocess.DEVNULL,
                      stderr=subprocess.DEVNULL).returncode != 0:
        return False
    if shutil.which("ss"):
        sockets = subprocess.run(["ss", "-xlpn"], capture_output=True, text=True).stdout
        socket = f"/tmp/.X11-unix/X{display[1:]} "
        return any(socket in line and f"pid={server.pid}," in line
                   for line in sockets.splitlines())
    return True


def start_xvfb(processes, workdir, attempts=3):
    """A display of its own, numbered by the server, so parallel runs never meet. A number
    that nobody, or somebody else, answers on is a failed start: another server is started."""
    for attempt in range(1, attempts + 1):
        read_end, write_end = os.pipe()
        server = processes.start(
            # -noreset: the check below is a client of its own; when it leaves, the server must
            # not reset, or the game's connection could meet a server closed for its reset.
            ["Xvfb", "-displayfd", str(write_end), "-noreset", "-screen", "0", "1024x768x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,),
            stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(workdir, "xvfb.log"), "w"),
        )
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb", buffering=0) as announced:
            while not number.endswith(b"\n"):
                chunk = announced.read(16)
                if not chunk:
                    break
                number += chunk
        display = ":" + number.decode().strip()
        if number.strip():
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline and not _server_answers(display, server):
                time.sleep(0.1)
            if _server_answers(display, server):
                return display
        print(f"Xvfb start {attempt} gave display {display!r}, which it does not answer; again")
        server.terminate()
        server.wait()
    fail("Xvfb did not start")


def switch_on_screen_reader_flag():
    """What a screen reader does: tells the accessibility bus that one runs, so that
    applications switch their bridge on."""
    subprocess.run(
        ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
         "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status",
         "ScreenReaderEnabled", "<true>"],
        check=True, stdout=subprocess.DEVNULL)


class Accessibility:
    """The game's accessible tree and the events it sends, through pyatspi."""

    def __init__(self, app_name="Quintara", pid=None):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.app_name = app_name
        self.pid = pid
        self.log = []
        pyatspi.Registry.registerEventListener(
            self._record,
            "object:state-changed:showing",
            "object:state-changed:focused",
            "object:property-change:accessible-name",
            "object:property-change:accessible-description",
            "object:text-changed:insert",
            "window:activate",
        )

    def _record(self, event):
        try:
            app = event.source.getApplication()
            if not app or app.name != self.app_name:
                return
            role = event.source.getRoleName()
            name = event.source.name
            description = event.source.description
        except Exception:  # an object that went away before we asked
            return
        data = event.any_data if isinstance(event.any_data, str) else None
        self.log.append((event.type, role, name, description, event.detail1, data))

    def pump(self):
        while self.context.pending():
            self.context.iteration(False)

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == self.app_name and (
                    self.pid is None or child.get_process_id() == self.pid):
                return child
        return None

    def find_all(self, root, predicate):
        found = []
        if root is None:
            return found
        try:
            if predicate(root):
                found.append(root)
            for i in range(root.childCount):
                found += self.find_all(root.getChildAtIndex(i), predicate)
        except Exception:
            pass
        return found

    def find(self, role, name=None, showing=True):
        """The first object of the role (and name) in the game's tree, or None."""
        pyatspi = self.pyatspi

        def matches(obj):
            if obj.getRoleName() != role or (name is not None and obj.name != name):
                return False
            return not showing or obj.getState().contains(pyatspi.STATE_SHOWING)

        found = self.find_all(self.app(), matches)
        return found[0] if found else None

    def wait_find(self, role, name=None, timeout=20.0):
        return wait_for(f"a showing {role} named {name!r}", lambda: self.find(role, name), timeout,
                        self.pump)

    def text_of(self, obj):
        text = obj.queryText()
        return text.getText(0, text.characterCount)

    def terms(self):
        """The four terms on show, read from the term boxes."""
        return [int(self.text_of(self.find("text", f"Term {n}"))) for n in range(1, 5)]

    def labelled_by(self, obj):
        names = []
        for relation in obj.getRelationSet():
            if relation.getRelationType() == self.pyatspi.RELATION_LABELLED_BY:
                names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
        return names

    def spoken(self):
        """The texts of the notifications that started showing, in order."""
        return [name for (kind, role, name, _, detail, _) in self.log
                if kind == "object:state-changed:showing" and role == "notification" and detail]

    def wait_spoken(self, count, timeout=20.0):
        """Waits until count notifications have shown in all; returns the last."""
        wait_for(f"notification number {count}", lambda: len(self.spoken()) >= count, timeout,
                 self.pump)
        return self.spoken()[count - 1]

    def press(self, obj):
        """Presses a button through its action without waiting for the answer: a press that
        opens a modal window answers only once that window has closed."""
        action_bus = subprocess.run(
            ["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
             "/org/a11y/bus", "--method", "org.a11y.Bus.GetAddress"],
            check=True, capture_output=True, text=True).stdout.strip()
        address = action_bus.strip("()',")
        return subprocess.Popen(
            ["gdbus", "call", "--address", address, "--dest", obj.app.bus_name, "--object-path",
             obj.path,
             "--method", "org.a11y.atspi.Action.DoAction", "0"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def print_log(self, out=sys.stdout):
        print("AT-SPI events of the game:", file=out)
        for kind, role, name, description, detail, data in self.log:
            extra = f" description={description!r}" if description else ""
            extra += f" text={data!r}" if data is not None else ""
            print(f"  {kind} {detail} {role} {name!r}{extra}", file=out)
