#!/usr/bin/env bash
# Draws the application icon, five bars growing as the squares 1, 4, 9, 16, 25 with the fifth
# (the term to guess) in orange, at 16, 32 and 48 pixels, and packs them into quintara.ico.
set -euo pipefail
cd "$(dirname "$0")"
for s in 16 32 48; do
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
        -stroke none "${draw[@]}" -colors 256 "PNG8:quintara-$s.png"
done
convert quintara-16.png quintara-32.png quintara-48.png quintara.ico
