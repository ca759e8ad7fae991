#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package once and checks it as a distribution would: lintian without
# errors or warnings, the files a player needs at their places, the desktop entry, the
# AppStream metadata and its software-catalogue entry, the manual pages, and the package's
# own tests (autopkgtest).
#   tests/package/check-package.sh [path to an already built .deb]
set -uo pipefail
cd "$(dirname "$0")/../.."

passes=0
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
    passes=$((passes + 1))
}

deb=${1:-}
if [ -z "$deb" ]; then
    deb=$(bash scripts/package | tail -n 1) || {
        echo "FAILED: scripts/package"
        exit 1
    }
fi
echo "checking $deb"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The package's version is the project's.
project_version=$(sed -n 's/^project(Quintara VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
package_version=$(dpkg-deb -f "$deb" Version)
if [ "$package_version" = "$project_version" ]; then
    pass "version $package_version"
else
    fail "package version $package_version, project version $project_version"
fi

# Every library the build set-up installs is one of the package's build dependencies.
for dev in $(sed -n '/^packages=(/,/^)/p' scripts/setup | grep -o '[a-z0-9.+-]*-dev'); do
    grep -qE "^ *(Build-Depends: *)?$dev[ ,]" debian/control ||
        fail "debian/control does not build-depend on $dev, which scripts/setup installs"
done

if lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1; then
    pass "lintian"
else
    fail "lintian:"
fi
grep -v 'running with root privileges' "$work/lintian" | sed 's/^/    /'

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/contents"
expected=(
    /usr/games/quintara
    /usr/bin/quintara-calc
    /usr/share/man/man6/quintara.6.gz
    /usr/share/man/man1/quintara-calc.1.gz
    /usr/share/doc/quintara/copyright
    /usr/share/doc/quintara/changelog.gz
    /usr/share/applications/org.quintara.Quintara.desktop
    /usr/share/metainfo/org.quintara.Quintara.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/quintara.svg
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x$size/apps/quintara.png")
done
missing=0
for path in "${expected[@]}"; do
    if ! grep -qxF "$path" "$work/contents"; then
        fail "the package lacks $path"
        missing=1
    fi
done
[ "$missing" -eq 0 ] && pass "contents: ${#expected[@]} files at their places"

for field in Depends Recommends; do
    echo "    $field: $(dpkg-deb -f "$deb" "$field")"
done
for font in fonts-wine fonts-liberation fonts-dejavu-core; do
    dpkg-deb -f "$deb" Depends | grep -qw -- "$font" || fail "Depends lacks $font"
done

root=$work/root
dpkg-deb -x "$deb" "$root"

# Every icon is the size its folder names.
for size in 16 22 24 32 48 64 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x$size/apps/quintara.png
    [ -f "$png" ] || continue
    actual=$(file -b "$png" | sed -n 's/.*, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
    [ "$actual" = "${size}x$size" ] || fail "$png is $actual"
done

if desktop-file-validate "$root/usr/share/applications/org.quintara.Quintara.desktop" \
    >"$work/desktop" 2>&1; then
    pass "desktop-file-validate"
else
    fail "desktop-file-validate:"
fi
sed 's/^/    /' "$work/desktop"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.quintara.Quintara.desktop")
[ -x "$root/usr/games/$exec_line" ] || fail "the menu entry's command '$exec_line' is not in /usr/games"

# The menu entry's command, found on a player's path, opens the settings window.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
    if PATH=$root/usr/games:/usr/bin:/bin xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        "$1" >"$2" 2>&1 &
        timeout 30 xdotool search --sync --onlyvisible --name "^Quintara\$" >/dev/null
        found=$?
        kill $! 2>/dev/null
        exit $found' - "$exec_line" "$work/game.log"; then
        pass "the menu entry's command '$exec_line' opens the settings window"
    else
        fail "the menu entry's command '$exec_line' opened no window:"
        sed 's/^/    /' "$work/game.log"
    fi
else
    echo "skipped: starting the game (Xvfb or xdotool is not installed)"
fi

if appstreamcli validate --no-net --strict --explain "$root/usr/share/metainfo/org.quintara.Quintara.metainfo.xml" \
    >"$work/validate" 2>&1; then
    pass "appstreamcli validate"
else
    fail "appstreamcli validate:"
    sed 's/^/    /' "$work/validate"
fi

# The software catalogue: compose must list the application with its icons.
if appstreamcli compose --no-net --no-color --origin=quintara --result-root="$work/catalogue" \
    "$root" >"$work/compose" 2>&1; then
    pass "appstreamcli compose"
else
    fail "appstreamcli compose:"
fi
sed 's/^/    /' "$work/compose"
catalogue=$(find "$work/catalogue" -name 'quintara.xml.gz' | head -n 1)
if [ -n "$catalogue" ] && zgrep -q '<id>org.quintara.Quintara</id>' "$catalogue" &&
    zgrep -q '<icon type="cached"' "$catalogue"; then
    pass "the catalogue lists org.quintara.Quintara with its icon"
else
    fail "the catalogue does not list org.quintara.Quintara with a cached icon"
fi
for size in 64x64 128x128; do
    find "$work/catalogue" -path "*icons*/$size/*quintara*.png" | grep -q . ||
        fail "the catalogue has no $size icon"
done

for page in man6/quintara.6.gz man1/quintara-calc.1.gz; do
    file=$root/usr/share/man/$page
    [ -f "$file" ] || continue
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
    if [ -z "$warnings" ]; then
        pass "man $page renders without warnings"
    else
        fail "man $page: $warnings"
    fi
done

# The package's own tests (debian/tests), run by autopkgtest on this machine: it installs the
# package and what the tests need, so it runs as root; the package goes again afterwards
# unless it was installed before.
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    as_root=(false)
fi
if command -v autopkgtest >/dev/null && [ "${as_root[0]:-}" != false ]; then
    installed_before=$(dpkg-query -W -f='${Status}' quintara 2>/dev/null | grep -c 'install ok installed')
    # A tree of the packaging files alone: autopkgtest needs no sources to test a built package.
    mkdir -p "$work/tree"
    cp -r debian "$work/tree/"
    if "${as_root[@]}" autopkgtest --no-built-binaries "$deb" "$work/tree" -- null \
        >"$work/autopkgtest" 2>&1; then
        pass "autopkgtest"
    else
        fail "autopkgtest:"
        sed 's/^/    /' "$work/autopkgtest"
    fi
    # The summary at the end: one line a test.
    sed -n '/@@@@* summary/,$p' "$work/autopkgtest" | grep -E '^[a-z-]+ +[A-Z]+' | sed 's/^/    /'
    if [ "$installed_before" -eq 0 ]; then
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q quintara \
            >/dev/null 2>&1 || fail "removing the package after autopkgtest"
    fi
else
    fail "autopkgtest cannot run: it is not installed, or neither root nor sudo is available"
fi

echo "package: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
