#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a counted game of two and a training game by ear: the real program under an Xvfb, a D-Bus session and an
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


def type_answer(text, confirm=True):
    key("ctrl+a")
    # xdotool would take a leading minus for an option of its own.
    if text.startswith("-"):
        key("minus")
        text = text[1:]
    subprocess.run(["xdotool", "type", "--clearmodifiers", text], check=True)
    if confirm:
        key("Return")


def main():
    os.environ["DISPLAY"] = e2e.start_xvfb(processes, work)
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    e2e.switch_on_screen_reader_flag()
    a11y = e2e.Accessibility()
    game_log = open(os.path.join(work, "game.log"), "w")
    game = processes.start([binary], stdout=game_log, stderr=subprocess.STDOUT)
    # Only our own game on our own bus counts.
    a11y.pid = game.pid
    pyatspi = a11y.pyatspi

    def has_state(obj, state):
        return obj is not None and obj.getState().contains(state)

    def focused_text():
        found = a11y.find_all(a11y.app(), lambda o: o.getRoleName() == "text" and has_state(
            o, pyatspi.STATE_FOCUSED))
        return found[0] if found else None

    def focused():
        """The role and name of the object with the focus."""
        found = a11y.find_all(a11y.app(), lambda o: has_state(o, pyatspi.STATE_FOCUSED))
        return [(o.getRoleName(), o.name) for o in found]

    settings = a11y.wait_find("dialog", "Quintara")
    group = a11y.wait_find("panel", "Settings")
    print(f"settings window: {settings.getRoleName()} {settings.name!r}, group {group.name!r}")

    # "Difficulty" is heard with its two choices: their group is named and labelled by it.
    default = a11y.wait_find("radio button", "Default")
    difficulty = default.parent
    if difficulty.name != "Difficulty" or a11y.labelled_by(difficulty) != ["Difficulty"]:
        e2e.fail(f"the choices sit in {difficulty.getRoleName()} {difficulty.name!r}, labelled by "
                 f"{a11y.labelled_by(difficulty)}")

    # Easy, a game of two, then Enter for Execute: the player's keys, each awaited.
    e2e.wait_for("the settings window to take the keyboard",
                 lambda: has_state(a11y.find("radio button", "Default"), pyatspi.STATE_FOCUSED),
                 pump=a11y.pump)
    key("alt+e")
    e2e.wait_for("Alt+E to choose Easy",
                 lambda: has_state(a11y.find("radio button", "Easy"), pyatspi.STATE_CHECKED),
                 pump=a11y.pump)
    key("alt+n")
    count_box = e2e.wait_for("Alt+N to reach the count", focused_text, pump=a11y.pump)
    key("ctrl+a")
    subprocess.run(["xdotool", "type", "2"], check=True)
    e2e.wait_for("the count 2", lambda: a11y.text_of(count_box) == "2", pump=a11y.pump)
    key("Return")

    frame = a11y.wait_find("frame", "Quintara")
    row = a11y.wait_find("panel", "Current sequence:")
    if a11y.labelled_by(row) != ["Current sequence:"]:
        e2e.fail(f"the row is labelled by {a11y.labelled_by(row)}")
    entry = a11y.wait_find("text", "Term 5, your answer")
    e2e.wait_for("the focus on the entry box",
                 lambda: entry.getState().contains(pyatspi.STATE_FOCUSED), pump=a11y.pump)

    def words(numbers):
        return ", ".join(str(n) for n in numbers)

    def expect_description(numbers):
        e2e.wait_for("the entry's description",
                     lambda: entry.description == f"Current sequence: {words(numbers)}.",
                     pump=a11y.pump)

    # The sequence as the window opens: spoken, and in the entry box's description.
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

    answer = e2e.solve_easy(shown)
    type_answer(str(answer), confirm=False)
    e2e.wait_for("the answer typed", lambda: a11y.text_of(entry) == str(answer), pump=a11y.pump)
    a11y.pump()
    before = len(a11y.log)
    key("Return")
    said = a11y.wait_spoken(count + 2)
    shown = a11y.terms()
    if said != f"Correct. Next sequence: {words(shown)}.":
        e2e.fail(f"a correct answer said {said!r} with {shown} on show")
    expect_description(shown)
    # The announcement first: the entry box's reset to 0 must not be heard before it.
    if answer != 0:
        a11y.pump()
        after = a11y.log[before:]
        spoken_at = next(i for i, e in enumerate(after)
                         if e[1] == "notification" and e[2] == said and e[4])
        reset_at = next((i for i, e in enumerate(after) if e[0] == "object:text-changed:insert"
                         and e[2] == "Term 5, your answer" and e[5] == "0"), None)
        if reset_at is not None and reset_at < spoken_at:
            a11y.print_log()
            e2e.fail("the entry box's reset to 0 was sent before the announcement")

    type_answer(str(e2e.solve_easy(shown)))
    said = a11y.wait_spoken(count + 3)
    if said != "Correct. All sequences completed.":
        e2e.fail(f"the last answer said {said!r}")
    a11y.wait_find("label", "All sequences completed.")

    a11y.press(a11y.wait_find("push button", "Exit")).wait(timeout=20)
    a11y.wait_find("dialog", "Quintara")

    # Training mode: the opening announcement tells how to get help, the band is named by
    # its caption, and F11 switches to a window and back, each time with a new sequence.
    settings_active = lambda: has_state(a11y.find("dialog", "Quintara"), pyatspi.STATE_ACTIVE)
    e2e.wait_for("the settings window to take the keyboard back", settings_active,
                 pump=a11y.pump)
    key("alt+t")
    e2e.wait_for("Alt+T to switch training mode on",
                 lambda: has_state(a11y.find("check box", "Training mode (allows help)"),
                                   pyatspi.STATE_CHECKED), pump=a11y.pump)
    count = len(a11y.spoken())
    key("Return")
    hint = "Press F1 (Help) to show the solution."
    said = a11y.wait_spoken(count + 1)
    if not (said.startswith("Sequence: ") and said.endswith(". " + hint)):
        e2e.fail(f"a training game opened with {said!r}")
    a11y.wait_find("label", hint)
    entry = a11y.wait_find("text", "Term 5, your answer")
    frame = a11y.wait_find("frame", "Quintara")

    def frame_size():
        extents = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return (extents.width, extents.height)

    for size in [(800, 600), (1024, 768)]:
        e2e.wait_for("the focus on the entry box",
                     lambda: has_state(entry, pyatspi.STATE_FOCUSED), pump=a11y.pump)
        count = len(a11y.spoken())
        before = len(a11y.log)
        key("F11")
        said = a11y.wait_spoken(count + 1)
        if not (said.startswith("Sequence: ") and said.endswith(". " + hint)):
            e2e.fail(f"F11 said {said!r}")
        e2e.wait_for(f"F11 to give {size[0]} x {size[1]}", lambda: frame_size() == size,
                     pump=a11y.pump)
        e2e.wait_for("the focus kept on the entry box after F11",
                     lambda: has_state(entry, pyatspi.STATE_FOCUSED), pump=a11y.pump)

        def said_last():
            """The sequence on show, said after the window's own events of the switch (the
            window taking the keyboard, the entry box's reset): amid those a screen reader
            drops a notification."""
            log = a11y.log[before:]
            own = [i for i, (kind, role, name, _, detail, data) in enumerate(log)
                   if kind == "window:activate"
                   or (kind == "object:state-changed:focused" and detail)
                   or (kind == "object:text-changed:insert" and name == "Term 5, your answer"
                       and data == "0")]
            notes = [i for i, (kind, role, _, _, detail, _) in enumerate(log)
                     if kind == "object:state-changed:showing" and role == "notification"
                     and detail]
            return (own and notes and notes[-1] > own[-1]
                    and log[notes[-1]][2] == f"Sequence: {words(a11y.terms())}. {hint}")

        e2e.wait_for("the new sequence said once the window has settled", said_last,
                     pump=a11y.pump)
        print(f"F11: {size[0]} x {size[1]}, said {said!r}")
    # Showing the window anew does not say its last announcement once more.
    a11y.pump()
    heard = a11y.spoken()
    if any(one == next_one for one, next_one in zip(heard, heard[1:])):
        e2e.fail(f"an announcement was heard twice: {heard}")

    a11y.press(a11y.wait_find("push button", "Exit")).wait(timeout=20)
    a11y.wait_find("dialog", "Quintara")

    # The About window's notice has a name, and Tab reaches it.
    e2e.wait_for("the settings window to take the keyboard back", settings_active,
                 pump=a11y.pump)
    key("alt+a")
    a11y.wait_find("dialog", "About Quintara")
    notice = a11y.wait_find("text", "Notice")
    e2e.wait_for("the focus on OK", lambda: has_state(a11y.find("push button", "OK"),
                                                      pyatspi.STATE_FOCUSED), pump=a11y.pump)
    for _ in range(3):
        if has_state(notice, pyatspi.STATE_FOCUSED):
            break
        focused_before = focused()
        key("Tab")
        e2e.wait_for("Tab to move the focus", lambda: focused() != focused_before,
                     pump=a11y.pump)
    if not has_state(notice, pyatspi.STATE_FOCUSED):
        e2e.fail("Tab does not reach the About window's notice")
    print(f"Tab reaches the notice: {a11y.text_of(notice)[:40]!r}...")
    key("Escape")
    e2e.wait_for("Esc to close About", lambda: a11y.find("dialog", "About Quintara") is None,
                 pump=a11y.pump)

    a11y.wait_find("dialog", "Quintara")
    key("Escape")
    e2e.expect_clean_exit(game, "Esc")
    a11y.pump()
    a11y.print_log()
    print("spoken:", a11y.spoken())
    print("PASSED: a game of two and a training game played by ear")


try:
    main()
finally:
    processes.end_all()
