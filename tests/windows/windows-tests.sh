#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the Windows programs and tests and runs them under Wine in one fresh prefix:
# the core's unit tests (and whatever else the Windows build registers with ctest), then the
# console on Windows against the console on Linux over random expressions.
#   tests/windows/windows-tests.sh LINUX_BUILD_DIR
# LINUX_BUILD_DIR holds a built quintara-calc and make_expressions.
set -euo pipefail
cd "$(dirname "$0")/../.."
linux_build=$(realpath "$1")

# The game ships as a 32-bit program. Where the kernel cannot start 32-bit programs, and so
# no 32-bit Wine, a 64-bit build of the same sources stands in under wine64.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  arch=i686 wine=/usr/lib/wine/wine server=/usr/lib/wine/wineserver32
else
  arch=x86_64 wine=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver64
fi
build=build/test-windows-$arch
echo "windows tests: $arch build under $(basename "$wine")"

# A fresh prefix takes seconds to create: once per run, kept warm by one persistent server.
export WINEPREFIX="$PWD/build/wine-prefix-$arch" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINESERVER=$server
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
"$server" -p
trap '"$server" -k || true' EXIT
"$wine" wineboot --init >/dev/null 2>&1

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARA_WERROR=ON \
  -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$arch-w64-mingw32.cmake"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure

# The same expressions through both consoles, with each separator: as lines on standard input
# and as arguments, byte for byte the same output and the same exit status. The trigonometric
# functions are left out: MinGW's C library reduces their arguments with a 66-bit pi where
# glibc reduces them exactly, so beyond pi/4 the last digits differ (and PTR uses them).
work=$(mktemp -d)
trap 'rm -rf "$work"; "$server" -k || true' EXIT
"$linux_build/tests/windows/make_expressions" 3017 3000 sin cos tan cot PTR >"$work/expressions"
# Arguments reach a Windows program as UTF-16: give both programs UTF-8 text to start from.
iconv -f CP1252 -t UTF-8 "$work/expressions" >"$work/expressions.utf8"
export LC_ALL=C.UTF-8
compared=0 differing=0
compare() { # name, then the command after the program
  local name=$1
  shift
  set +e
  "$linux_build/src/tools/quintara-calc" "$@" >"$work/linux.out" 2>"$work/linux.err" <"$work/in"
  echo $? >"$work/linux.status"
  "$wine" "$build/src/tools/quintara-calc.exe" "$@" >"$work/windows.out" 2>"$work/windows.err" \
    <"$work/in"
  echo $? >"$work/windows.status"
  set -e
  compared=$((compared + 1))
  local part
  for part in out err status; do
    if ! cmp -s "$work/linux.$part" "$work/windows.$part"; then
      differing=$((differing + 1))
      echo "windows console differs from linux ($name, std$part):"
      diff "$work/linux.$part" "$work/windows.$part" | head -20 || true
      return
    fi
  done
}
for sep in . ,; do
  cp "$work/expressions" "$work/in"
  compare "sep $sep, standard input" --sep "$sep" --seed 5
  : >"$work/in"
  # Arguments in groups of 100, each group a process: exit statuses of smaller sets.
  split -l 100 "$work/expressions.utf8" "$work/group."
  for group in "$work"/group.*; do
    mapfile -t arguments <"$group"
    compare "sep $sep, arguments of $(basename "$group")" --sep "$sep" --seed 5 -- "${arguments[@]}"
  done
  rm -f "$work"/group.*
done
# Without --sep the separator is the user's: Wine's user locale follows LC_ALL.
for row in "C.UTF-8 0.5" "de_DE.UTF-8 0,5" "fr_FR.UTF-8 0,5" "en_GB.UTF-8 0.5"; do
  read -r locale expected <<<"$row"
  compared=$((compared + 1))
  got=$(LC_ALL=$locale "$wine" "$build/src/tools/quintara-calc.exe" 1/2)
  if [ "$got" != "$expected" ]; then
    differing=$((differing + 1))
    echo "windows console in $locale: 1/2 gave '$got', not '$expected'"
  fi
done
# At a console the prompt reads typed lines through the console's own line editing.
# A tmux server of its own, started from this environment (so with this Wine prefix).
tmux_() { tmux -L "quintara-windows-$$" "$@"; }
session=console
tmux_ new-session -d -s "$session" -x 100 -y 20 \
  "'$wine' '$build/src/tools/quintara-calc.exe'; echo status \$?; sleep 600"
screen_shows() { # waits up to a minute for the text on the tmux screen
  local i
  for i in $(seq 600); do
    tmux_ capture-pane -p -t "$session" | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  return 1
}
compared=$((compared + 1))
if screen_shows "quits." && tmux_ send-keys -t "$session" '2^5' Enter && screen_shows "32" &&
  tmux_ send-keys -t "$session" 'quit' Enter && screen_shows "status 0"; then
  :
else
  differing=$((differing + 1))
  echo "windows console at a terminal did not answer 2^5 with 32 and quit:"
  tmux_ capture-pane -p -t "$session"
fi
tmux_ kill-server
lines=$(wc -l <"$work/expressions")
echo "console differential: $lines expressions, each separator; the locale's separator; a prompt;" \
  "$compared runs compared, $differing differ"
echo "$((compared - differing)) passed, $differing failed"
[ "$differing" -eq 0 ]

# The game itself: the real Quintara.exe played under Wine on an Xvfb of its own.
tests/win32/quintara-win32-e2e.sh "$build/src/win32/Quintara.exe"
