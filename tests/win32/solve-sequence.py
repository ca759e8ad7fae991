#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quintara developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the fifth term of a sequence of the game from its first four, as a player would
find it: tries each kind of sequence the game draws.
    solve-sequence.py T1 T2 T3 T4"""
import sys

PRIMES = [2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53, 59, 61, 67, 71, 73, 79,
          83, 89, 97, 101]


def candidates(t):
    d = [t[1] - t[0], t[2] - t[1], t[3] - t[2]]
    if d[0] == d[1] == d[2]:
        yield t[3] + d[0]
    if d[0] != 0 and d[1] == 2 * d[0] and d[2] == 3 * d[0]:
        yield t[3] + 4 * d[0]
    if t[0] != 0 and t[1] % t[0] == 0:
        r = t[1] // t[0]
        if t[2] == t[1] * r and t[3] == t[2] * r:
            yield t[3] * r
    for step in range(2, 11):
        if all(t[i + 1] == (t[i] + step) * step for i in range(3)):
            yield (t[3] + step) * step
    for e in (2, 3):
        if t == [n ** e for n in range(1, 5)]:
            yield 5 ** e
    if t == [n ** n for n in range(1, 5)]:
        yield 5 ** 5
    for i in range(len(PRIMES) - 4):
        if PRIMES[i:i + 4] == t:
            yield PRIMES[i + 4]


terms = [int(x) for x in sys.argv[1:5]]
found = list(dict.fromkeys(candidates(terms)))
if not found:
    sys.exit(f"no kind of sequence fits {terms}")
print(found[0])
