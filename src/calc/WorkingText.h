// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// 1-based access to the calculator's working text, so that off-by-one slips have one home.
#pragma once

#include <cstddef>
#include <string>

namespace calc::text {

// The character at position i (1-based); '\0' outside 1..length, which no character class
// of the calculator contains.
inline char At(const std::string &s, std::size_t i) {
    return (i >= 1 && i <= s.size()) ? s[i - 1] : '\0';
}

// The characters from position first to last inclusive; empty when last < first.
inline std::string Span(const std::string &s, std::size_t first, std::size_t last) {
    if (first < 1 || last < first || first > s.size())
        return {};
    if (last > s.size())
        last = s.size();
    return s.substr(first - 1, last - first + 1);
}

// Replaces the characters from position first to last inclusive by with.
inline void ReplaceSpan(std::string &s, std::size_t first, std::size_t last,
                        const std::string &with) {
    s.replace(first - 1, last - first + 1, with);
}

inline void Delete(std::string &s, std::size_t pos) {
    s.erase(pos - 1, 1);
}

inline void Insert(std::string &s, std::size_t pos, const std::string &what) {
    s.insert(pos - 1, what);
}

// The 1-based position of the first c at or after position from; 0 when there is none.
inline std::size_t Find(const std::string &s, char c, std::size_t from = 1) {
    if (from < 1)
        from = 1;
    const std::size_t p = s.find(c, from - 1);
    return p == std::string::npos ? 0 : p + 1;
}

inline std::size_t Find(const std::string &s, const std::string &what, std::size_t from) {
    if (from < 1)
        from = 1;
    const std::size_t p = s.find(what, from - 1);
    return p == std::string::npos ? 0 : p + 1;
}

// Character classes of the working text.
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
inline bool IsNameChar(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
// A '-' after one of these is a subtraction.
inline bool IsMinusPredecessor(char c) {
    return c == '!' || c == ')' || c == ',' || c == '.' || IsDigit(c);
}
inline bool IsOperandChar(char c) {
    return IsDigit(c) || c == ',' || c == '.' || c == '-' || c == 'E';
}
inline bool IsFactorChar(char c) {
    return IsDigit(c) || c == ',' || c == '.';
}

} // namespace calc::text
