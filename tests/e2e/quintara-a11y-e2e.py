#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a counted game of two by ear: the real program under an Xvfb, a D-Bus session and an
accessibility bus of its own, read through AT-SPI as a screen reader reads it and typed into
with xdotool. Checks what is spoken (the notifications that show) and what the tree tells."""

import os
import subprocess
import sys
import tempfile

# No compiled copy of the helpers left in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_support as e2e  # noqa: E402

e2e.in_own_session(["Xvfb", "xdotool"])

binary = sys.argv[1]
work = tempfile.mkdtemp(prefix="quintara-a11y-")
processes = e2e.Processes()


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def type_answer(text):
    key("ctrl+a")
    # xdotool would take a leading minus for an option of its own.
    if text.startswith("-"):
        key("minus")
        text = text[1:]
    subprocess.run(["xdotool", "type", "--clearmodifiers", text], check=True)
    key("Return")


def main():
    os.environ["DISPLAY"] = e2e.start_xvfb(processes, work)
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    e2e.switch_on_screen_reader_flag()
    a11y = e2e.Accessibility()
    game_log = open(os.path.join(work, "game.log"), "w")
    game = processes.start([binary], stdout=game_log, stderr=subprocess.STDOUT)

    settings = a11y.wait_find("dialog", "Quintara")
    group = a11y.wait_find("panel", "Settings")
    print(f"settings window: {settings.getRoleName()} {settings.name!r}, group {group.name!r}")

    # Easy, a game of two, then Enter for Execute: the player's keys.
    e2e.wait_for("the settings window to take the keyboard",
                 lambda: a11y.find("radio button", "Default") and a11y.find(
                     "radio button", "Default").getState().contains(a11y.pyatspi.STATE_FOCUSED),
                 pump=a11y.pump)
    key("alt+e")
    key("alt+n")
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "2"], check=True)
    key("Return")

    frame = a11y.wait_find("frame", "Quintara")
    row = a11y.wait_find("panel", "Current sequence:")
    if a11y.labelled_by(row) != ["Current sequence:"]:
        e2e.fail(f"the row is labelled by {a11y.labelled_by(row)}")
    entry = a11y.wait_find("text", "Term 5, your answer")
    e2e.wait_for("the focus on the entry box",
                 lambda: entry.getState().contains(a11y.pyatspi.STATE_FOCUSED), pump=a11y.pump)

    def words(numbers):
        return ", ".join(str(n) for n in numbers)

    def expect_description(numbers):
        e2e.wait_for("the entry's description",
                     lambda: entry.description == f"Current sequence: {words(numbers)}.",
                     pump=a11y.pump)

    # The sequence as the window opens: spoken, and in the entry box's description.
    shown = a11y.terms()
    e2e.wait_for("the first sequence spoken",
                 lambda: f"Sequence: {words(a11y.terms())}." in a11y.spoken(), pump=a11y.pump)
    shown = a11y.terms()
    expect_description(shown)
    print(f"frame {frame.name!r}, first sequence {shown}")

    count = len(a11y.spoken())
    type_answer(str(e2e.solve_easy(shown) + 1))
    if a11y.wait_spoken(count + 1) != "Wrong.":
        e2e.fail(f"a wrong answer said {a11y.spoken()[-1]!r}")
    if a11y.terms() != shown:
        e2e.fail("a wrong answer changed the sequence")

    type_answer(str(e2e.solve_easy(shown)))
    said = a11y.wait_spoken(count + 2)
    shown = a11y.terms()
    if said != f"Correct. Next sequence: {words(shown)}.":
        e2e.fail(f"a correct answer said {said!r} with {shown} on show")
    expect_description(shown)

    type_answer(str(e2e.solve_easy(shown)))
    said = a11y.wait_spoken(count + 3)
    if said != "Correct. All sequences completed.":
        e2e.fail(f"the last answer said {said!r}")
    a11y.wait_find("label", "All sequences completed.")

    a11y.press(a11y.wait_find("push button", "Exit")).wait(timeout=20)
    a11y.wait_find("dialog", "Quintara")
    key("Escape")
    e2e.expect_clean_exit(game, "Esc")
    a11y.pump()
    a11y.print_log()
    print("spoken:", a11y.spoken())
    print("PASSED: a game of two played by ear")


try:
    main()
finally:
    processes.end_all()
