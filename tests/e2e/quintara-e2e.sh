#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real program under its own Xvfb: the settings window, a game covering the screen,
# back with Exit, About opened with Alt+A and closed with Esc, and the end with Esc.
set -uo pipefail

binary=${1:?usage: quintara-e2e.sh <path to quintara>}
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "SKIPPED: Xvfb or xdotool is not installed (scripts/setup installs both)"
    exit 77
fi

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        import -window root "$work/failure.png" 2>/dev/null &&
            cp "$work/failure.png" "${TMPDIR:-/tmp}/quintara-e2e-failure-$$.png" &&
            echo "screen saved as ${TMPDIR:-/tmp}/quintara-e2e-failure-$$.png"
    fi
    exit 1
}

# A display of its own, chosen by the server, so parallel runs never meet.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Waits until a visible window titled Quintara has the given size; prints its id.
wait_for_window() {
    local width=$1 height=$2
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name '^Quintara$' 2>/dev/null); do
            geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
            eval "$geometry"
            if [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

"$binary" >"$work/game.log" 2>&1 &
game_pid=$!

settings=$(wait_for_window 335 216) || fail "no 335 x 216 settings window titled Quintara"
echo "settings window $settings is 335 x 216"

xdotool windowfocus --sync "$settings" && xdotool key --clearmodifiers Return
puzzle=$(wait_for_window 1024 768) || fail "Enter opened no window covering the 1024 x 768 screen"
eval "$(xdotool getwindowgeometry --shell "$puzzle")"
[ "$X" = 0 ] && [ "$Y" = 0 ] || fail "the puzzle window sits at $X, $Y instead of 0, 0"
if command -v xprop >/dev/null; then
    xprop -id "$puzzle" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
        fail "the puzzle window does not ask the window manager for full screen"
fi
echo "puzzle window $puzzle covers the screen"
if xdotool search --onlyvisible --name '^Quintara$' | grep -qx "$settings"; then
    fail "the settings window stays visible during a game"
fi

# Exit sits on the bottom band, 18 pixels from the right edge and 13 from the bottom.
xdotool mousemove --sync 956 738 click 1
settings_again=$(wait_for_window 335 216) || fail "Exit did not bring the settings window back"
[ "$settings_again" = "$settings" ] || fail "a new settings window appeared after the game"
echo "Exit returned to the settings window"

# No focusing by hand from here on: the settings window takes the keyboard back itself after
# a game and after About, and the pointer still rests on the bottom band, outside it.
xdotool key --clearmodifiers alt+a
about=""
for _ in $(seq 200); do
    about=$(xdotool search --onlyvisible --name '^About Quintara$' 2>/dev/null | head -n1)
    [ -n "$about" ] && break
    sleep 0.1
done
[ -n "$about" ] || fail "Alt+A opened no window titled About Quintara"
xdotool key --clearmodifiers Escape
for _ in $(seq 200); do
    xdotool search --onlyvisible --name '^About Quintara$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^About Quintara$' >/dev/null 2>&1 &&
    fail "Esc did not close the About window"
echo "Alt+A opened About and Esc closed it"

xdotool key --clearmodifiers Escape
for _ in $(seq 200); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "Esc did not end the program"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || fail "the program ended with status $status: $(cat "$work/game.log")"
echo "Esc ended the program with status 0"
