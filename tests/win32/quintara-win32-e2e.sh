#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real Quintara.exe under Wine on an Xvfb of its own, driven with xdotool: the
# settings window centred, Execute to the full-screen puzzle window, a right answer bringing the
# next sequence, a wrong one beeping, a non-integer answer's message box, Tab to OK, the double
# click to the 800 x 600 window and back, Exit, training mode and F1, an empty count's message,
# About and its translation message, Esc closing About and then the program. Beeps and message
# boxes are read from the program's event log (QUINTARA_EVENT_LOG); colours from the screen.
#   quintara-win32-e2e.sh <path to Quintara.exe> [folder for screenshots]
# Uses WINEPREFIX (and WINESERVER) when set, so one prefix serves a whole run; otherwise makes a
# prefix of its own. Either way the prefix's server is stopped at the start and at the end.
set -uo pipefail

exe=$(realpath "${1:?usage: quintara-win32-e2e.sh <path to Quintara.exe> [screenshot folder]}")
shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb xdotool xwininfo xclip import convert python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/setup --test installs it)"
        exit 77
    fi
done
# A 32-bit program needs a kernel that starts 32-bit programs; elsewhere a 64-bit build of the
# same sources runs under wine64.
if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    wine=/usr/lib/wine/wine
    : "${WINESERVER:=/usr/lib/wine/wineserver32}"
elif [ -x /usr/lib/wine/wine64 ]; then
    wine=/usr/lib/wine/wine64
    : "${WINESERVER:=/usr/lib/wine/wineserver64}"
else
    echo "SKIPPED: Wine is not installed (scripts/setup --test installs it)"
    exit 77
fi
export WINESERVER WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    "$WINESERVER" -k 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    [ -s "$work/events.log" ] && echo "event log:" && cat "$work/events.log"
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$work/failure.png" 2>/dev/null &&
            cp "$work/failure.png" "${TMPDIR:-/tmp}/quintara-win32-e2e-failure-$$.png" &&
            echo "screen saved as ${TMPDIR:-/tmp}/quintara-win32-e2e-failure-$$.png"
    fi
    exit 1
}

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

if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$work/prefix"
    "$wine" wineboot --init >"$work/wineboot.log" 2>&1 || fail "wineboot: $(tail -5 "$work/wineboot.log")"
fi
# The prefix's desktop process takes the display of the server's first program: a server
# started for the run without this display goes, and the next one starts with it.
"$WINESERVER" -k 2>/dev/null
export QUINTARA_EVENT_LOG="$work/events.log"
: >"$QUINTARA_EVENT_LOG"

# Polls a command until it succeeds, for at most the given number of seconds.
wait_until() {
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# Wine maps a window's client area as the X window: "width height x y".
geometry() {
    xwininfo -id "$1" 2>/dev/null | awk -F': *' '
        /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 }
        /^  Width/ { w = $2 } /^  Height/ { h = $2 } END { print w, h, x, y }'
}
mapped() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'
}
unmapped() {
    ! mapped "$1"
}
# Prints the id of a visible window with the title and client size, waiting for it.
wait_for_window() {
    local title=$1 width=$2 height=$3 id w h
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
            read -r w h _ _ < <(geometry "$id")
            if [ "$w" = "$width" ] && [ "$h" = "$height" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}
# Prints the id of a visible window with the title other than the ones given.
wait_for_new_window() {
    local title=$1 id
    shift
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
            [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

pixel() {
    import -window root -crop "1x1+$1+$2" +repage "$work/pixel.png" 2>/dev/null &&
        convert "$work/pixel.png" -format '%[hex:p{0,0}]' info: 2>/dev/null | cut -c1-6 | tr 'A-F' 'a-f'
}
pixel_is() {
    [ "$(pixel "$1" "$2")" = "$3" ]
}
expect_pixel() { # x y colour what
    wait_until 5 pixel_is "$1" "$2" "$3" || fail "$4: pixel $1,$2 is $(pixel "$1" "$2"), not $3"
}
shot() {
    [ -n "$shots" ] && mkdir -p "$shots" && import -window root -crop "$2" +repage "$shots/$1.png"
}
beeps() {
    grep -c '^beep$' "$QUINTARA_EVENT_LOG"
}
has_event() {
    grep -qxF "$1" "$QUINTARA_EVENT_LOG"
}

# The text of an edit box at a screen point, through the clipboard: a marker first, then the
# copy, read once the program has taken the clipboard over.
clipboard() {
    xclip -o -selection clipboard 2>/dev/null
}
copied() {
    [ "$(clipboard)" != "(nothing copied)" ]
}
box_text() {
    printf '(nothing copied)' | xclip -selection clipboard
    xdotool mousemove --sync "$1" "$2" click 1
    xdotool key --clearmodifiers Home shift+End ctrl+c
    wait_until 5 copied || fail "nothing was copied from the box at $1, $2"
    clipboard
}
# Replaces the entry box's text and confirms it with Enter.
answer() {
    xdotool mousemove --sync 760 380 click 1
    xdotool key --clearmodifiers Home shift+End BackSpace
    xdotool type --delay 20 -- "$1"
    xdotool key --clearmodifiers Return
}
terms() {
    local left
    for left in 160 304 448 592; do
        box_text "$left" 380
        echo
    done | tr '\n' ' '
}

"$wine" "$exe" >"$work/game.log" 2>&1 &
game_pid=$!

# The settings window: a 335 x 216 client area, centred (the caption bar and frame above and
# around it; horizontally the frame is even on both sides).
settings=$(wait_for_window Quintara 335 216) || fail "no 335 x 216 settings window titled Quintara"
read -r _ _ sx sy < <(geometry "$settings")
[ "$sx" = 344 ] || fail "the settings window's client area starts at x $sx, not 344 (centred)"
((sy >= 276 && sy <= 300)) || fail "the settings window's client area starts at y $sy: not centred"
echo "settings window $settings: client 335 x 216 at $sx, $sy"
# The title bar of the group: a black-to-dark-grey band, grey 62 in its second-last row.
expect_pixel $((sx + 16 + 120)) $((sy + 8 + 21)) 3e3e3e "the Settings title bar"
expect_pixel $((sx + 16 + 120)) $((sy + 8)) 000000 "the title bar's outline"
shot settings "400x300+$((sx - 30))+$((sy - 30))"
# Inside the count box: white while the box takes input.
count_x=$((sx + 16 + 139 + 55)) count_y=$((sy + 8 + 157 + 10))
expect_pixel "$count_x" "$count_y" ffffff "the count box"
count_box_disabled() {
    ! pixel_is "$count_x" "$count_y" ffffff
}

xdotool windowfocus --sync "$settings"
xdotool key --clearmodifiers Return
puzzle=$(wait_for_window Quintara 1024 768) || fail "Enter opened no window covering the 1024 x 768 screen"
read -r _ _ px py < <(geometry "$puzzle")
[ "$px $py" = "0 0" ] || fail "the puzzle window sits at $px, $py"
wait_until 5 unmapped "$settings" || fail "the settings window stays visible during a game"
echo "puzzle window $puzzle covers the screen"
# Silver fading to black along the top, black to silver along the bottom, white lines.
expect_pixel 0 10 c0c0c0 "the top band's left edge"
expect_pixel 512 10 606060 "the top band's middle column"
expect_pixel 500 64 ffffff "the line under the top band"
expect_pixel 0 740 000000 "the bottom band's left edge"
expect_pixel 500 706 ffffff "the line over the bottom band"
expect_pixel 124 380 ffffff "the frame around the row"
expect_pixel 908 724 c0c0c0 "the Exit button"
shot puzzle "1024x768+0+0"

# A right answer brings the next sequence: the entry box goes back to 0, and no beep.
read -r -a shown < <(terms)
right=$("$here/solve-sequence.py" "${shown[@]}") || fail "cannot solve ${shown[*]}"
answer "$right"
[ "$(box_text 760 380)" = 0 ] || fail "the right answer $right to ${shown[*]} brought no new sequence"
[ "$(beeps)" = 0 ] || fail "the right answer beeped"
echo "right answer $right to ${shown[*]}: next sequence"

# A wrong answer beeps and stays in the box.
read -r -a shown < <(terms)
right=$("$here/solve-sequence.py" "${shown[@]}") || fail "cannot solve ${shown[*]}"
answer "$((right + 1))"
wait_until 5 sh -c "[ \"\$(grep -c '^beep\$' '$QUINTARA_EVENT_LOG')\" = 1 ]" ||
    fail "the wrong answer $((right + 1)) to ${shown[*]} did not beep"
[ "$(box_text 760 380)" = "$((right + 1))" ] || fail "the wrong answer left the box"
echo "wrong answer $((right + 1)) to ${shown[*]}: beep"

# An expression that is no integer: rewritten, then the error box quoting the new text.
answer "10/4"
box=$(wait_for_new_window Quintara "$settings" "$puzzle") || fail "10/4 brought no message box"
wait_until 5 has_event 'message error Quintara: The entered value "2.5" is not a valid integer.' ||
    fail "the message for 10/4 was not logged"
shot not-integer "1024x768+0+0"
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key --clearmodifiers Return
wait_until 10 unmapped "$box" || fail "Enter did not close the message box"
[ "$(box_text 760 380)" = 2.5 ] || fail "10/4 was not rewritten as 2.5"
echo "10/4: rewritten as 2.5, error box"

# Tab from the entry box to OK, which turns grey with a white outline.
xdotool mousemove --sync 760 380 click 1
xdotool key --clearmodifiers Tab
expect_pixel 846 367 666666 "OK with the focus"
expect_pixel 844 365 ffffff "OK's outline with the focus"
echo "Tab: OK grey"

# A double click on the background: an 800 x 600 window centred (112, 84 outside), and back.
xdotool mousemove --sync 950 250 click --repeat 2 --delay 80 1
windowed() {
    local w h x y
    read -r w h x y < <(geometry "$puzzle")
    ((w < 800 && h < 600 && x - 112 == (800 - w) / 2 && y > 84 && y + h + x - 112 == 684))
}
wait_until 10 windowed || fail "the double click gave no 800 x 600 window at 112, 84: $(geometry "$puzzle")"
echo "window mode: $(geometry "$puzzle") inside an 800 x 600 frame at 112, 84"
shot windowed "1024x768+0+0"
xdotool mousemove --sync 300 200 click --repeat 2 --delay 80 1
wait_until 10 sh -c "[ \"\$(xwininfo -id $puzzle | awk -F': *' '/^  Width/ {w=\$2} /^  Height/ {h=\$2} END {print w, h}')\" = '1024 768' ]" ||
    fail "a second double click did not bring full screen back: $(geometry "$puzzle")"
echo "full screen again"

# Esc does nothing in the puzzle window; Exit goes back to the settings.
xdotool key --clearmodifiers Escape
sleep 0.5
mapped "$puzzle" || fail "Esc closed the puzzle window"
xdotool mousemove --sync 956 738 click 1
wait_until 10 mapped "$settings" || fail "Exit did not bring the settings window back"
wait_until 10 unmapped "$puzzle" || fail "Exit left the puzzle window"
echo "Exit: back at the settings"

# Training mode: the hint on the bottom band, F1 shows the answer and greys the boxes, Enter
# submits it without a beep.
xdotool windowfocus --sync "$settings"
xdotool key --clearmodifiers alt+t
# Training mode greys the count box out.
wait_until 5 count_box_disabled || fail "Alt+T did not grey out the count box"
xdotool key --clearmodifiers alt+x
puzzle=$(wait_for_window Quintara 1024 768) || fail "Alt+X opened no puzzle window"
read -r -a shown < <(terms)
xdotool mousemove --sync 760 380 click 1
xdotool key --clearmodifiers F1
expect_pixel 130 398 808080 "a term box after F1"
[ "$(box_text 760 380)" = "$("$here/solve-sequence.py" "${shown[@]}")" ] ||
    fail "F1 did not write the answer to ${shown[*]}"
shot training "1024x768+0+0"
xdotool key --clearmodifiers End Return
expect_pixel 130 398 000000 "a term box after the answer"
[ "$(box_text 760 380)" = 0 ] || fail "the answer F1 gave was not accepted"
[ "$(beeps)" = 1 ] || fail "the answer F1 gave beeped"
echo "training mode: F1 answers ${shown[*]}, Enter accepts it"
xdotool mousemove --sync 956 738 click 1
wait_until 10 mapped "$settings" || fail "Exit did not bring the settings window back"

# A counted game with an empty count: the message, then the game all the same.
xdotool windowfocus --sync "$settings"
xdotool key --clearmodifiers alt+t
wait_until 5 pixel_is "$count_x" "$count_y" ffffff || fail "Alt+T did not enable the count box again"
# Alt+N reaches the count box with its text selected.
xdotool key --clearmodifiers alt+n BackSpace Return
wait_until 10 has_event 'message error Quintara: The entered number of sequences ("") is not a valid integer.' ||
    fail "an empty count brought no message"
box=$(wait_for_new_window Quintara "$settings") || fail "an empty count brought no message box"
xdotool windowfocus --sync "$box" 2>/dev/null
xdotool key --clearmodifiers Return
puzzle=$(wait_for_window Quintara 1024 768) || fail "no game after the count's message"
xdotool mousemove --sync 956 738 click 1
wait_until 10 mapped "$settings" || fail "Exit did not bring the settings window back"
echo "empty count: message, then the game"

# About: its window, the translation message, Esc.
xdotool windowfocus --sync "$settings"
xdotool key --clearmodifiers alt+a
about=$(wait_for_window 'About Quintara' 373 261) || fail "Alt+A opened no 373 x 261 About window"
read -r _ _ ax ay < <(geometry "$about")
[ "$ax" = 325 ] || fail "the About window's client area starts at x $ax, not 325 (centred)"
expect_pixel $((ax + 300)) $((ay + 110)) ffffff "the About window's white panel"
[ "$(pixel $((ax + 10)) $((ay + 200)))" != ffffff ] || fail "the About window has no stripe"
shot about "440x330+$((ax - 33))+$((ay - 35))"
xdotool mousemove --sync $((ax + 138)) $((ay + 236)) click 1
info=$(wait_for_new_window 'About Quintara' "$about") || fail "Translation Info... showed no message"
wait_until 5 grep -q '^message information About Quintara: This is an English translation' \
    "$QUINTARA_EVENT_LOG" || fail "the translation message was not logged"
xdotool windowfocus --sync "$info" 2>/dev/null
xdotool key --clearmodifiers Return
wait_until 10 unmapped "$info" || fail "Enter did not close the translation message"
xdotool windowfocus --sync "$about" 2>/dev/null
xdotool key --clearmodifiers Escape
wait_until 10 unmapped "$about" || fail "Esc did not close the About window"
echo "About: 373 x 261 at $ax, $ay; translation message; Esc"

# Esc in the settings window ends the program.
xdotool windowfocus --sync "$settings"
xdotool key --clearmodifiers Escape
for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$game_pid" 2>/dev/null && fail "Esc did not end the program"
wait "$game_pid"
status=$?
game_pid=""
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "Esc: the program ended"
echo "1 passed, 0 failed"
