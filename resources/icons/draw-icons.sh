#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the application icon of quintara.svg, five bars growing as the squares 1, 4, 9, 16, 25
# with the fifth (the term to guess) in orange. Up to 48 pixels the drawing is snapped to each
# size's own pixel grid, so the bars keep sharp edges; from 64 pixels on the SVG is rendered
# as it is (its 32-unit grid lands on whole pixels at 64, 96, 128 and 256). The 16, 32 and 48
# pixel images are packed into quintara.ico.
set -euo pipefail
cd "$(dirname "$0")"
# No time stamps: the same drawing gives the same file.
png_opts=(-define png:exclude-chunks=date,time)
for s in 16 22 24 32 48; do
    gap=$((s / 16)); [ "$gap" -lt 1 ] && gap=1
    bw=$(((s - 2 - 4 * gap) / 5))
    total=$((5 * bw + 4 * gap))
    x0=$(((s - total) / 2))
    base=$((s - 1 - s / 8))
    top=$((s / 8))
    ih=$((base - top))
    draw=()
    for n in 1 2 3 4 5; do
        h=$(((n * n + 3) * ih / 28))
        [ "$h" -lt 1 ] && h=1
        x=$((x0 + (n - 1) * (bw + gap)))
        colour='#f2f5fa'
        [ "$n" -eq 5 ] && colour='#ff9a1f'
        draw+=(-fill "$colour" -draw "rectangle $x,$((base - h + 1)) $((x + bw - 1)),$base")
    done
    r=$((s / 6))
    convert -size "${s}x${s}" xc:none \
        -fill '#1c2a4a' -stroke '#0b1120' -draw "roundrectangle 0,0 $((s - 1)),$((s - 1)) $r,$r" \
        -stroke none "${draw[@]}" -colors 256 "${png_opts[@]}" "PNG8:quintara-$s.png"
done
for s in 64 96 128 256; do
    rsvg-convert -w "$s" -h "$s" quintara.svg | convert - "${png_opts[@]}" "PNG32:quintara-$s.png"
done
# Classic 256-colour icon images: 8 bits per pixel with a palette, and a 1-bit mask for the
# transparent corners.
python3 - <<'PY'
import struct, subprocess
images = []
for s in (16, 32, 48):
    rgba = subprocess.run(["convert", f"quintara-{s}.png", "-depth", "8", "rgba:-"],
                          check=True, capture_output=True).stdout
    pixels = [rgba[i:i + 4] for i in range(0, len(rgba), 4)]
    palette, index = [], {}
    for px in pixels:
        key = px[:3] if px[3] >= 128 else b"\0\0\0"
        if key not in index:
            index[key] = len(palette)
            palette.append(key)
    assert len(palette) <= 256
    mask_row = (s + 31) // 32 * 4
    xor, and_ = b"", b""
    for y in reversed(range(s)):  # bottom-up rows
        row = pixels[y * s:(y + 1) * s]
        xor += bytes(index[px[:3] if px[3] >= 128 else b"\0\0\0"] for px in row)
        bits = 0
        for x, px in enumerate(row):
            if px[3] < 128:
                bits |= 1 << (mask_row * 8 - 1 - x)
        and_ += bits.to_bytes(mask_row, "big")
    colours = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette)
    colours += b"\0" * (1024 - len(colours))
    header = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, 8, 0, len(xor) + len(and_), 0, 0,
                         256, 0)
    images.append((s, header + colours + xor + and_))
out = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for s, data in images:
    out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 8, len(data), offset)
    offset += len(data)
open("quintara.ico", "wb").write(out + b"".join(data for _, data in images))
PY
