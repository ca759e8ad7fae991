// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's working text, its marks, and 1-based access to it, so that off-by-one
// slips have one home.
//
// The calculator builds no syntax tree: it rewrites the typed text until one number is left.
// The working text is a Windows-1252 string; positions are counted from 1, as every helper
// below takes them, and At() gives '\0' outside the text, which belongs to no character class.
//
// Before the rewriting starts, every space is gone, "[" "]" "{" "}" are round brackets and the
// multiplication signs are "*". The marks below therefore come only from the rewriting:
//   ~            a subtraction (a binary minus; a "-" left in the text is the sign of the
//                number after it; a typed "~" subtracts too);
//   name[a;b]    a function call whose arguments are already evaluated: the values are
//                written with 18 digits and separated by ";";
//   {value}      a value group: a value written just before a "!" or "^" is wrapped so that
//                the operator takes all of it, sign and exponent included.
// Numbers are written with the locale's decimal separator; the character classes take "," and
// "." alike, so a number scans the same with either.
//
// A reduction replaces a span by the text of its value. The passes over the text go left to
// right and keep the part already rewritten apart from the part still to read, so a reduction
// costs the length of its own span, not that of the whole text.
#pragma once

#include "runtime/Extended.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

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

// The same characters, as a view into s: valid until s changes.
inline std::string_view View(const std::string &s, std::size_t first, std::size_t last) {
    if (first < 1 || last < first || first > s.size())
        return {};
    if (last > s.size())
        last = s.size();
    return std::string_view(s).substr(first - 1, last - first + 1);
}

// Appends the characters from position first to last inclusive to to.
inline void AppendSpan(std::string &to, const std::string &s, std::size_t first, std::size_t last) {
    if (first >= 1 && first <= last && last <= s.size())
        to.append(s, first - 1, last - first + 1);
}

// Replaces the characters from position first to last inclusive by with.
inline void ReplaceSpan(std::string &s, std::size_t first, std::size_t last,
                        const std::string &with) {
    s.replace(first - 1, last - first + 1, with);
}

// Writes c at position i.
inline void Put(std::string &s, std::size_t i, char c) {
    s[i - 1] = c;
}

// Removes the characters from position pos to the end.
inline void CutFrom(std::string &s, std::size_t pos) {
    s.resize(pos - 1);
}

inline void Delete(std::string &s, std::size_t pos) {
    s.erase(pos - 1, 1);
}

inline void Insert(std::string &s, std::size_t pos, const std::string &what) {
    s.insert(pos - 1, what);
}
inline void Insert(std::string &s, std::size_t pos, char c) {
    s.insert(s.begin() + static_cast<std::ptrdiff_t>(pos - 1), c);
}

// The 1-based position of the first c at or after position from; 0 when there is none.
inline std::size_t Find(const std::string &s, char c, std::size_t from = 1) {
    if (from < 1)
        from = 1;
    const std::size_t p = s.find(c, from - 1);
    return p == std::string::npos ? 0 : p + 1;
}

// The 1-based position of the last c at or before position upTo; 0 when there is none.
inline std::size_t FindLast(const std::string &s, char c, std::size_t upTo) {
    if (upTo < 1)
        return 0;
    const std::size_t p = s.rfind(c, upTo - 1);
    return p == std::string::npos ? 0 : p + 1;
}

inline std::size_t Find(const std::string &s, const std::string &what, std::size_t from) {
    if (from < 1)
        from = 1;
    const std::size_t p = s.find(what, from - 1);
    return p == std::string::npos ? 0 : p + 1;
}

// The next a or b of a text that is scanned forwards only. Each character's next position is
// found with the C library's fast search and kept until the scan passes it, so a whole pass
// costs one search per occurrence, however far apart the two characters lie.
class NextOfEither {
  public:
    NextOfEither(const std::string &s, char a, char b) : s_(s), a_(a), b_(b) {}

    // The 1-based position of the first a or b at or after position from; 0 when none.
    std::size_t From(std::size_t from) {
        Refresh(nextA_, a_, from);
        Refresh(nextB_, b_, from);
        if (nextA_ == 0 || (nextB_ != 0 && nextB_ < nextA_))
            return nextB_;
        return nextA_;
    }

  private:
    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);
    void Refresh(std::size_t &next, char c, std::size_t from) {
        if (next == kUnknown || (next != 0 && next < from))
            next = Find(s_, c, from);
    }

    const std::string &s_;
    char a_, b_;
    std::size_t nextA_ = kUnknown, nextB_ = kUnknown; // 0: none left
};

// Where the run of characters of a class that ends at position last begins: 1 past the first
// character before it that is not of the class, or 1. last + 1 when there is no such run.
template <class Class> std::size_t RunStart(const std::string &s, std::size_t last, Class inClass) {
    while (last >= 1 && inClass(s[last - 1]))
        --last;
    return last + 1;
}

// Where the run of characters of a class that begins at position first ends: 1 before the
// first character after it that is not of the class, or the end of the text. first - 1 when
// there is no such run.
template <class Class> std::size_t RunEnd(const std::string &s, std::size_t first, Class inClass) {
    while (first >= 1 && first <= s.size() && inClass(s[first - 1]))
        ++first;
    return first - 1;
}

// Appends value as the calculator writes it into the working text: FormatResult(false, value),
// the value with 18 significant digits.
void AppendValue(std::string &text, runtime::Extended value);

// Character classes of the working text, looked up in one table.
namespace classes {
constexpr unsigned char kDigit = 1, kName = 2, kMinusPredecessor = 4, kOperand = 8, kFactor = 16;
constexpr std::array<unsigned char, 256> kTable = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(
            (digit ? kDigit : 0) | (digit || letter || c == '_' ? kName : 0) |
            // A '-' after one of these is a subtraction.
            (digit || c == '!' || c == ')' || c == ',' || c == '.' ? kMinusPredecessor : 0) |
            (digit || c == ',' || c == '.' || c == '-' || c == 'E' ? kOperand : 0) |
            (digit || c == ',' || c == '.' ? kFactor : 0));
    }
    return table;
}();
inline bool Is(char c, unsigned char mask) {
    return (kTable[static_cast<unsigned char>(c)] & mask) != 0;
}
} // namespace classes

inline bool IsDigit(char c) {
    return classes::Is(c, classes::kDigit);
}
// A digit, an ASCII letter or "_".
inline bool IsNameChar(char c) {
    return classes::Is(c, classes::kName);
}
// "!", ")", ",", "." or a digit: a "-" after one of these is a subtraction.
inline bool IsMinusPredecessor(char c) {
    return classes::Is(c, classes::kMinusPredecessor);
}
// A digit, ",", ".", "-" or "E": what the operands of "*", "/", "+", "~" and the right
// operand of "^" are made of.
inline bool IsOperandChar(char c) {
    return classes::Is(c, classes::kOperand);
}
// A digit, "," or ".": what the left operand of "!" and "^" is made of.
inline bool IsFactorChar(char c) {
    return classes::Is(c, classes::kFactor);
}

} // namespace calc::text
