#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Smoke run on Wayland: the real program on Qt's native Wayland platform under a Weston of its
own, with its own runtime folder. Weston's scene graph tells what is mapped and in which
order; the client's protocol trace shows which window a message box is transient for.

  quintara-wayland-e2e.py QUINTARA headless   Weston's headless backend. It has no seat, so
      no window is ever activated and Weston's full-screen layer stays above every other
      window, transient or not: the buttons are pressed and the entry filled through the
      accessibility bus, and the box is checked mapped and transient for the game.
  quintara-wayland-e2e.py QUINTARA seat       Weston's X11 backend on an Xvfb of its own: a
      seat with a keyboard, typed into with xdotool; the box must also stack above the
      full-screen game, and Esc ends the program."""

import os
import re
import subprocess
import sys
import tempfile

# No compiled copy of the helpers left in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_support as e2e  # noqa: E402

binary = sys.argv[1]
with_seat = sys.argv[2:] == ["seat"]
e2e.in_own_session(["weston", "weston-debug"] + (["Xvfb", "xdotool"] if with_seat else []))

work = tempfile.mkdtemp(prefix="quintara-wayland-")
processes = e2e.Processes()
VIEW = re.compile(r"View \d+ \(role xdg_toplevel, PID (\d+), .*top-level window '([^']*)'")
POSITION = re.compile(r"position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)")


def toplevels(pid):
    """The game's mapped top-level windows, topmost first: (title, x1, y1, x2, y2)."""
    dump = subprocess.run(["weston-debug", "scene-graph"], capture_output=True, text=True,
                          timeout=20).stdout
    found, current = [], None
    for line in dump.splitlines():
        view = VIEW.search(line)
        if view:
            current = view.group(2) if int(view.group(1)) == pid else None
            continue
        position = POSITION.search(line)
        if position and current is not None:
            found.append((current, *map(int, position.groups())))
            current = None
    return found


def full_screen(view):
    return view[1:] == (0, 0, 1024, 768)


x_display = {}


def key(*keys):
    """Keys typed on the X server under Weston's window, which Weston hands to the game."""
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True,
                   env=dict(os.environ, **x_display))


def type_text(text):
    subprocess.run(["xdotool", "type", text], check=True, env=dict(os.environ, **x_display))


def main():
    runtime = os.environ["XDG_RUNTIME_DIR"]
    socket = f"quintara-{os.getpid()}"
    weston_log = open(os.path.join(work, "weston.log"), "w")
    if with_seat:
        x_display["DISPLAY"] = e2e.start_xvfb(processes, work)
    processes.start(
        ["weston", "--backend=x11-backend.so" if with_seat else "--backend=headless-backend.so",
         f"--socket={socket}", "--width=1024", "--height=768", "--use-pixman", "--idle-time=0",
         "--no-config", "--debug"],
        stdout=weston_log, stderr=subprocess.STDOUT, env=dict(os.environ, **x_display))
    e2e.wait_for("Weston's socket", lambda: os.path.exists(os.path.join(runtime, socket)))
    # The game sees Wayland only: no X display to fall back on, for windows or the bell.
    os.environ["WAYLAND_DISPLAY"] = socket
    os.environ["QT_QPA_PLATFORM"] = "wayland"
    os.environ["WAYLAND_DEBUG"] = "client"

    e2e.switch_on_screen_reader_flag()
    a11y = e2e.Accessibility()
    trace_path = os.path.join(work, "game.log")
    game = processes.start([binary], stdout=subprocess.DEVNULL, stderr=open(trace_path, "w"))

    a11y.wait_find("dialog", "Quintara")
    settings = e2e.wait_for("the settings window mapped", lambda: toplevels(game.pid))
    print(f"settings window mapped: {settings}")

    a11y.press(a11y.wait_find("radio button", "Easy")).wait(timeout=20)
    if with_seat:
        key("Return")
    else:
        a11y.press(a11y.wait_find("push button", "Execute"))
    a11y.wait_find("frame", "Quintara")
    views = e2e.wait_for("a full-screen puzzle window alone",
                         lambda: (lambda v: v if len(v) == 1 and full_screen(v[0]) else None)(
                             toplevels(game.pid)))
    print(f"puzzle window mapped: {views}")

    # An answer that is no integer brings the message box, which must show above the game.
    entry = a11y.wait_find("text", "Term 5, your answer")
    ok = a11y.wait_find("push button", "OK")
    pending_ok = None
    if with_seat:
        e2e.wait_for("the keyboard in the entry box",
                     lambda: entry.getState().contains(a11y.pyatspi.STATE_FOCUSED), pump=a11y.pump)
        key("ctrl+a")
        type_text("1.5")
        key("Return")
    else:
        entry.queryEditableText().setTextContents("1.5")
        pending_ok = a11y.press(ok)
    alert = a11y.wait_find("alert", "Quintara")
    message = a11y.find_all(alert, lambda o: "is not a valid integer" in (o.name or ""))
    if not message or message[0].name != 'The entered value "1.5" is not a valid integer.':
        e2e.fail(f"the box says {[m.name for m in message]}")
    views = e2e.wait_for("the message box mapped",
                         lambda: (lambda v: v if len(v) == 2 else None)(toplevels(game.pid)))
    print(f"with the message box, topmost first: {views}")
    if with_seat and (full_screen(views[0]) or not full_screen(views[1])):
        e2e.fail(f"the message box is not above the puzzle window: {views}")

    trace = open(trace_path).read()
    parents = re.findall(r"-> xdg_toplevel@(\d+)\.set_parent\(xdg_toplevel@(\d+)\)", trace)
    full = re.findall(r"-> xdg_toplevel@(\d+)\.set_fullscreen\(", trace)
    if not parents or not full or parents[-1][1] != full[-1]:
        e2e.fail(f"the box is not transient for the puzzle window: set_parent {parents}, "
                 f"full screen {full}")
    print(f"xdg_toplevel@{parents[-1][0]}.set_parent(xdg_toplevel@{parents[-1][1]}), "
          "the full-screen puzzle window")

    if with_seat:
        key("Return")
    else:
        box_ok = a11y.find_all(alert, lambda o: o.getRoleName() == "push button")
        a11y.press(box_ok[0])
        pending_ok.wait(timeout=20)
    e2e.wait_for("the message box gone",
                 lambda: (lambda v: v if len(v) == 1 and full_screen(v[0]) else None)(
                     toplevels(game.pid)))

    # A wrong answer beeps; whatever the beep finds here, the terminal stays quiet.
    spoken = len(a11y.spoken())
    entry.queryEditableText().setTextContents(str(e2e.solve_easy(a11y.terms()) + 1))
    a11y.press(ok).wait(timeout=20)
    if a11y.wait_spoken(spoken + 1) != "Wrong.":
        e2e.fail(f"a wrong answer said {a11y.spoken()[-1]!r}")
    noise = [line for line in open(trace_path) if "ALSA" in line or "canberra" in line.lower()]
    if noise:
        e2e.fail(f"the beep wrote to standard error: {noise[:3]}")

    a11y.press(a11y.wait_find("push button", "Exit")).wait(timeout=20)
    views = e2e.wait_for("the settings window back",
                         lambda: (lambda v: v if len(v) == 1 and not full_screen(v[0]) else None)(
                             toplevels(game.pid)))
    print(f"Exit returned to the settings window: {views}")

    if with_seat:
        key("Escape")
    else:
        # No keyboard on a headless compositor: the settings' Exit button ends the program.
        exit_button = [b for b in a11y.find_all(a11y.find("dialog", "Quintara"),
                                                lambda o: o.getRoleName() == "push button")
                       if b.name == "Exit"]
        a11y.press(exit_button[0])
    e2e.expect_clean_exit(game, "Esc" if with_seat else "Exit")
    print(f"PASSED: settings, a full-screen game and its message box on Wayland "
          f"({'with a seat' if with_seat else 'headless'})")


try:
    main()
finally:
    processes.end_all()
