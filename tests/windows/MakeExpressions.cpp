// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// make_expressions SEED COUNT [LEFT-OUT-FUNCTION...]: prints COUNT random calculator
// expressions, one a line.
#include "../calc/ExpressionMaker.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fputs("usage: make_expressions SEED COUNT [LEFT-OUT-FUNCTION...]\n", stderr);
        return 2;
    }
    ExpressionMaker maker(std::strtoull(argv[1], nullptr, 10),
                          std::set<std::string>(argv + 3, argv + argc));
    for (long i = std::strtol(argv[2], nullptr, 10); i > 0; --i)
        std::printf("%s\n", maker.Make().c_str());
    return 0;
}
