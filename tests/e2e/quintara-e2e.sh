#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real program under its own Xvfb, bare or with a window manager: the settings and
# About windows centred border included, a game covering the screen, the window mode and back
# with the focus kept, a term copied, a long result shown from its start, back with Exit,
# About opened with Alt+A and closed with Esc, and the end with Esc.
#   quintara-e2e.sh <path to quintara> [openbox]
set -uo pipefail

binary=${1:?usage: quintara-e2e.sh <path to quintara> [openbox]}
wm=${2:-}
for tool in Xvfb xdotool xwininfo xprop xclip import convert $wm; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/setup --test installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=""
wm_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    [ -s "$work/game.log" ] && echo "the program wrote:" && tail -n 40 "$work/game.log"
    if [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
        import -window root "$work/failure.png" 2>/dev/null &&
            cp "$work/failure.png" "${TMPDIR:-/tmp}/quintara-e2e-failure-$$.png" &&
            echo "screen saved as ${TMPDIR:-/tmp}/quintara-e2e-failure-$$.png"
    fi
    exit 1
}

# Polls a command until it succeeds, for at most the given number of seconds of the clock,
# however long each try takes on a busy machine.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    while ((SECONDS < deadline)); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# Succeeds when our own Xvfb is running and answers on the display it announced; where ss
# can tell, the display's socket must be our server's, not another one's of the same number.
our_server_answers() {
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    xdpyinfo -display "$1" >/dev/null 2>&1 || return 1
    if command -v ss >/dev/null; then
        ss -xlpn 2>/dev/null | grep -F "/tmp/.X11-unix/X${1#:} " | grep -q "pid=$xvfb_pid," ||
            return 1
    fi
}

# A display of its own, chosen by the server, so parallel runs never meet. A number that
# nobody, or somebody else, answers on is a failed start: another server is started.
start_xvfb() {
    local attempt number
    for attempt in 1 2 3; do
        : >"$work/display"
        exec 3>"$work/display"
        # -noreset: the check below is a client of its own; when it leaves, the server must not
        # reset, or the game's connection could meet a server that is closed for its reset.
        Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        exec 3>&-
        wait_until 20 sh -c "[ -s '$work/display' ] || ! kill -0 $xvfb_pid 2>/dev/null"
        number=$(head -n1 "$work/display")
        if [ -n "$number" ] && wait_until 10 our_server_answers ":$number"; then
            export DISPLAY=":$number"
            return 0
        fi
        echo "Xvfb start $attempt gave display '${number}', which it does not answer; again"
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=""
    done
    fail "Xvfb did not start: $(cat "$work/xvfb.log")"
}

start_xvfb
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

if [ -n "$wm" ]; then
    "$wm" >"$work/wm.log" 2>&1 &
    wm_pid=$!
    # The window manager is ready once it has announced itself on the root window, and it
    # is ours if it is still running then.
    wait_until 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        fail "$wm did not start: $(cat "$work/wm.log")"
    kill -0 "$wm_pid" 2>/dev/null || fail "$wm ended at its start: $(cat "$work/wm.log")"
    echo "running under $wm"
fi

# Prints "width height left top" of the window's outer rectangle: its client area and the
# border the window manager reports in _NET_FRAME_EXTENTS (none on a bare server).
outer_geometry() {
    local info extents l=0 r=0 t=0 b=0
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r l r t b <<<"$extents"
    awk -v l="$l" -v r="$r" -v t="$t" -v b="$b" -F': *' '
        /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
        /^  Width/ { w = $2 } /^  Height/ { h = $2 }
        END { print w + l + r, h + t + b, x - l, y - t }' <<<"$info"
}

# Succeeds when the window's outer rectangle is centred on the 1024 x 768 screen.
outer_centred() {
    local w h x y
    read -r w h x y < <(outer_geometry "$1") || return 1
    [ "$x" = $(((1024 - w) / 2)) ] && [ "$y" = $(((768 - h) / 2)) ]
}

# Prints the colour of a screen pixel as RRGGBB.
pixel() {
    import -window root -crop "1x1+$1+$2" +repage "$work/pixel.png" 2>/dev/null &&
        convert "$work/pixel.png" -format '%[hex:p{0,0}]' info: 2>/dev/null | cut -c1-6
}

# Saves a part of the screen, "WxH+X+Y", as an image file.
grab() {
    import -window root -crop "$1" +repage "$2" 2>/dev/null
}

# How many pixels of two images differ.
differing() {
    compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

outer_is() {
    [ "$(outer_geometry "$1")" = "$2" ]
}

pixel_is() {
    [ "$(pixel "$1" "$2")" = "$3" ]
}

# Succeeds once the window is no longer visible.
gone() {
    ! xdotool search --all --onlyvisible --pid "$game_pid" --name '.' 2>/dev/null | grep -qx "$1"
}

# Succeeds once the screen part differs from the image in more than 100 pixels.
changed_from() {
    grab "$2" "$work/now.png" && [ "$(differing "$1" "$work/now.png")" -gt 100 ]
}

# Waits until a visible window titled Quintara has the given size; prints its id.
wait_for_window() {
    local width=$1 height=$2 deadline=$((SECONDS + 20))
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --all --onlyvisible --pid "$game_pid" --name '^Quintara$' 2>/dev/null); do
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
wait_until 10 outer_centred "$settings" ||
    fail "the settings window is not centred border included: $(outer_geometry "$settings")"
echo "settings window centred border included: $(outer_geometry "$settings")"

xdotool windowfocus --sync "$settings" && xdotool key --clearmodifiers Return
puzzle=$(wait_for_window 1024 768) || fail "Enter opened no window covering the 1024 x 768 screen"
eval "$(xdotool getwindowgeometry --shell "$puzzle")"
[ "$X" = 0 ] && [ "$Y" = 0 ] || fail "the puzzle window sits at $X, $Y instead of 0, 0"
if command -v xprop >/dev/null; then
    xprop -id "$puzzle" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN ||
        fail "the puzzle window does not ask the window manager for full screen"
fi
echo "puzzle window $puzzle covers the screen"
if [ -n "$wm" ]; then
    # The window manager has taken the window over and carried out the full-screen request.
    managed_full_screen() {
        xprop -id "$puzzle" _NET_WM_ALLOWED_ACTIONS 2>/dev/null | grep -q ' = ' &&
            xprop -id "$puzzle" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN &&
            outer_is "$puzzle" "1024 768 0 0"
    }
    wait_until 10 managed_full_screen ||
        fail "$wm did not take the puzzle window full screen (outer: $(outer_geometry "$puzzle"))"
fi
if xdotool search --all --onlyvisible --pid "$game_pid" --name '^Quintara$' | grep -qx "$settings"; then
    fail "the settings window stays visible during a game"
fi

# The pointer rests on the black background, right of the panel, well before it is used;
# the window has the keyboard before the first click.
xdotool mousemove --sync 950 250
has_keyboard() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}
wait_until 10 has_keyboard "$puzzle" || fail "the puzzle window did not get the keyboard"

# A double click on the background: a window of 800 x 600 outside, centred by the screen's
# half minus the window's half, and no smaller than 800 x 300 outside.
xdotool click --repeat 2 --delay 80 1
wait_until 10 outer_is "$puzzle" "800 600 112 84" ||
    fail "the double click gave no 800 x 600 window at 112, 84 (outer: $(outer_geometry "$puzzle"))"
echo "window mode: outer 800 x 600 at 112, 84"
read -r l r t b <<<"$(xprop -id "$puzzle" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr ',' ' ')"
read -r minw minh <<<"$(xprop -id "$puzzle" WM_NORMAL_HINTS | sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1 \2/p')"
[ "$((minw + ${l:-0} + ${r:-0})) $((minh + ${t:-0} + ${b:-0}))" = "800 300" ] ||
    fail "the smallest window is ${minw} x ${minh} inside, border ${l:-0} ${r:-0} ${t:-0} ${b:-0}: not 800 x 300 outside"
echo "window mode: at least 800 x 300 outside"

# Back to full screen; the entry box kept the focus, so Tab moves it to OK, which turns grey.
xdotool mousemove --sync 200 200 click --repeat 2 --delay 80 1
wait_until 10 outer_is "$puzzle" "1024 768 0 0" ||
    fail "a second double click did not bring full screen back (outer: $(outer_geometry "$puzzle"))"
xdotool key --clearmodifiers Tab
wait_until 10 pixel_is 846 367 666666 ||
    fail "after the round trip and Tab, OK is not grey (pixel $(pixel 846 367))"
echo "round trip: Tab puts the grey focus look on OK"

# F11 switches as the double click does, here from OK, which keeps the focus.
xdotool key --clearmodifiers F11
wait_until 10 outer_is "$puzzle" "800 600 112 84" ||
    fail "F11 gave no 800 x 600 window at 112, 84 (outer: $(outer_geometry "$puzzle"))"
xdotool key --clearmodifiers F11
wait_until 10 outer_is "$puzzle" "1024 768 0 0" ||
    fail "a second F11 did not bring full screen back (outer: $(outer_geometry "$puzzle"))"
wait_until 10 pixel_is 846 367 666666 || fail "after F11 there and back, OK lost its focus look"
echo "F11 there and back, the focus kept on OK"

# A click gives a term box the focus: Ctrl+C copies its term, not the entry box's text, and
# the entry box, without the focus, shows no selection.
xdotool mousemove --sync 760 382 click 1
xdotool key --clearmodifiers ctrl+a
xdotool type 777777
xdotool mousemove --sync 150 382 click --repeat 2 --delay 80 1
xdotool key --clearmodifiers ctrl+c
wait_until 10 sh -c 'xclip -o -selection clipboard 2>/dev/null | grep -qxE -- "-?[0-9]{1,5}"' ||
    fail "Ctrl+C after a click on the first term copied '$(xclip -o -selection clipboard 2>/dev/null)'"
echo "the first term box copied its term: $(xclip -o -selection clipboard)"
grab 119x37+703+364 "$work/entry.png"
saturation=$(convert "$work/entry.png" -colorspace HSL -channel G -separate +channel -format '%[fx:maxima]' info:)
awk -v s="$saturation" 'BEGIN { exit !(s < 0.2) }' ||
    fail "the entry box shows a coloured selection without the focus"
echo "the entry box shows no selection without the focus"

# Pi is no integer: the message comes, and the box then shows the start of 3.14159265359.
xdotool mousemove --sync 760 382 click 1
xdotool key --clearmodifiers ctrl+a
xdotool type Pi
xdotool key --clearmodifiers Return
message=""
find_message() {
    message=$(xdotool search --all --onlyvisible --pid "$game_pid" --name '^Quintara$' 2>/dev/null | grep -vx "$puzzle" | head -n1)
    [ -n "$message" ]
}
wait_until 10 find_message || fail "Pi gave no message that it is not a valid integer"
xdotool windowfocus --sync "$message" 2>/dev/null
xdotool key --clearmodifiers Return
wait_until 10 gone "$message" ||
    fail "Enter did not close the message"
xdotool windowfocus --sync "$puzzle" 2>/dev/null
grab 119x37+703+364 "$work/shown.png"
xdotool key --clearmodifiers Home
grab 119x37+703+364 "$work/home.png"
xdotool key --clearmodifiers End
wait_until 10 changed_from "$work/shown.png" 119x37+703+364 ||
    fail "End did not scroll the entry box: the result is not longer than the box"
[ "$(differing "$work/shown.png" "$work/home.png")" -lt 60 ] ||
    fail "the entry box did not show the start of the result before Home"
echo "the entry box shows the start of 3.14159265359"

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
    about=$(xdotool search --all --onlyvisible --pid "$game_pid" --name '^About Quintara$' 2>/dev/null | head -n1)
    [ -n "$about" ] && break
    sleep 0.1
done
[ -n "$about" ] || fail "Alt+A opened no window titled About Quintara"
wait_until 10 outer_centred "$about" ||
    fail "the About window is not centred border included: $(outer_geometry "$about")"
echo "About window centred border included: $(outer_geometry "$about")"
xdotool key --clearmodifiers Escape
for _ in $(seq 200); do
    xdotool search --all --onlyvisible --pid "$game_pid" --name '^About Quintara$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --all --onlyvisible --pid "$game_pid" --name '^About Quintara$' >/dev/null 2>&1 &&
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
