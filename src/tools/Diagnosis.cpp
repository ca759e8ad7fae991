// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the line as the answer language is written (operands joined by operators, calls with
// their arguments in brackets) and stops at the first token that does not fit.
#include "tools/Diagnosis.h"

#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "tools/Reference.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tools {

namespace {

enum class Kind { Number, Name, Sign, Operator, Bang, Open, Close, Semicolon, Comma, End, Other };

struct Token {
    Kind kind;
    std::size_t begin;
    std::size_t end;
    bool spaceBefore;
};

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_';
}
bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The byte length of an operator at i that multiplies: *, the UTF-8 signs and their
// Windows-1252 bytes.
std::size_t TimesSign(const std::string &text, std::size_t i) {
    if (text[i] == '*' || text[i] == '/' || text[i] == '^' || text[i] == '\xD7' ||
        text[i] == '\xB7')
        return 1;
    if (i + 1 < text.size() && ((text[i] == '\xC3' && text[i + 1] == '\x97') ||
                                (text[i] == '\xC2' && text[i + 1] == '\xB7')))
        return 2;
    return 0;
}

std::vector<Token> Tokens(const std::string &text, char separator) {
    std::vector<Token> tokens;
    bool space = false;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ') {
            space = true;
            ++i;
            continue;
        }
        const std::size_t begin = i;
        Kind kind = Kind::Other;
        if (IsDigit(c)) {
            kind = Kind::Number;
            while (i < text.size() && IsDigit(text[i]))
                ++i;
            if (i < text.size() && text[i] == separator)
                for (++i; i < text.size() && IsDigit(text[i]);)
                    ++i;
            // An exponent has no plus sign: 1E+5 is 1E plus 5.
            if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
                std::size_t j = i + 1;
                if (j < text.size() && text[j] == '-')
                    ++j;
                if (j < text.size() && IsDigit(text[j])) {
                    for (i = j; i < text.size() && IsDigit(text[i]);)
                        ++i;
                } else if (text[i] == 'E' && (j >= text.size() || !IsNameChar(text[j]))) {
                    ++i;
                }
            }
        } else if (IsNameStart(c)) {
            kind = Kind::Name;
            while (i < text.size() && IsNameChar(text[i]))
                ++i;
        } else if (c == '+' || c == '-') {
            kind = Kind::Sign;
            ++i;
        } else if (const std::size_t length = TimesSign(text, i); length > 0) {
            kind = Kind::Operator;
            i += length;
        } else {
            kind = c == '!'                           ? Kind::Bang
                   : c == '(' || c == '[' || c == '{' ? Kind::Open
                   : c == ')' || c == ']' || c == '}' ? Kind::Close
                   : c == ';'                         ? Kind::Semicolon
                   : c == ','                         ? Kind::Comma
                                                      : Kind::Other;
            ++i;
        }
        tokens.push_back({kind, begin, i, space});
        space = false;
    }
    tokens.push_back({Kind::End, text.size(), text.size(), space});
    return tokens;
}

const BuiltinInfo *FindBuiltin(const std::string &name) {
    for (const BuiltinInfo &builtin : Builtins())
        if (name == builtin.Name)
            return &builtin;
    return nullptr;
}

bool IsNamedValue(const std::string &name) {
    return calc::FindVariable(name) >= 0;
}

bool SameLetters(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// A known name that differs from name only in the case of its letters.
std::string CaseSlip(const std::string &name, bool call) {
    if (call) {
        for (const BuiltinInfo &builtin : Builtins())
            if (SameLetters(name, builtin.Name))
                return builtin.Name;
        return {};
    }
    for (const calc::TVarData &named : calc::Variables)
        if (SameLetters(name, named.Name))
            return named.Name;
    return {};
}

std::string Arguments(int count) {
    return count == 1 ? "1 argument" : std::to_string(count) + " arguments";
}

class Reader {
  public:
    Reader(const std::string &text, char separator)
        : text_(text), separator_(separator), tokens_(Tokens(text, separator)) {}

    Diagnosis Read() {
        if (Expression() && !Peek(Kind::End))
            AfterValue(false);
        return tooDeep_ ? Diagnosis{} : found_;
    }

  private:
    const std::string &text_;
    char separator_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
    Diagnosis found_;
    // Brackets nested deeper than any person writes are not followed, so that the stack
    // stays small.
    static constexpr int kDeepest = 256;
    int depth_ = 0;
    bool tooDeep_ = false;

    const Token &Current() const { return tokens_[at_]; }
    bool Peek(Kind kind) const { return Current().kind == kind; }
    std::string TextOf(const Token &token) const {
        return text_.substr(token.begin, token.end - token.begin);
    }

    bool Fail(std::size_t offset, std::string hint) {
        found_ = {true, offset, std::move(hint)};
        return false;
    }

    // Operands joined by operators; signs may stand before any operand.
    bool Expression() {
        if (depth_ >= kDeepest) {
            tooDeep_ = true;
            return false;
        }
        ++depth_;
        bool read = Operand();
        while (read && (Peek(Kind::Operator) || Peek(Kind::Sign))) {
            ++at_;
            read = Operand();
        }
        --depth_;
        return read;
    }

    bool Operand() {
        while (Peek(Kind::Sign))
            ++at_;
        const Token token = Current();
        switch (token.kind) {
        case Kind::Number:
            ++at_;
            if (Peek(Kind::Name))
                return Fail(Current().begin, "there is no implicit multiplication: write " +
                                                 TextOf(token) + "*" + TextOf(Current()));
            break;
        case Kind::Name:
            if (!Name())
                return false;
            break;
        case Kind::Open: {
            ++at_;
            if (Peek(Kind::Close))
                return Fail(Current().begin, "a value is missing between the brackets");
            if (!Expression() || !Closed(token))
                return false;
            break;
        }
        default:
            return Missing(token);
        }
        while (Peek(Kind::Bang))
            ++at_;
        return true;
    }

    // What is wrong where an operand should begin.
    bool Missing(const Token &token) {
        const Token *before = at_ > 0 ? &tokens_[at_ - 1] : nullptr;
        switch (token.kind) {
        case Kind::End:
            return Fail(token.begin, before == nullptr
                                         ? "the expression is empty"
                                         : "a value is missing after '" + TextOf(*before) + "'");
        case Kind::Operator:
            if (before != nullptr && text_[before->begin] == '*' && text_[token.begin] == '*')
                return Fail(token.begin - 1, "'**' is no operator: a power is written 2^3");
            return Fail(token.begin, "a value is missing before '" + TextOf(token) + "'");
        case Kind::Close:
            return Fail(token.begin, "a value is missing before '" + TextOf(token) + "'");
        default:
            return Unreadable(token, false);
        }
    }

    // A token that is never read where it stands.
    bool Unreadable(const Token &token, bool inCall) {
        const char c = text_[token.begin];
        if (token.kind == Kind::Comma) {
            if (inCall)
                return Fail(token.begin, "arguments are separated by ';', not ','");
            return Fail(token.begin, separator_ == '.'
                                         ? "the decimal separator is '.' (--sep , reads 2,5)"
                                         : "arguments are separated by ';', not ','");
        }
        if (c == '.' && separator_ == ',')
            return Fail(token.begin, "the decimal separator is ',' (--sep . reads 2.5)");
        if (token.kind == Kind::Semicolon)
            return Fail(token.begin, "';' separates the arguments of a function call");
        if (token.kind == Kind::Bang)
            return Fail(token.begin, "'!' follows the value it takes the factorial of: 5!");
        if (c == '=')
            return Fail(token.begin, "'=' defines a value only as 'name = expression'");
        return Fail(token.begin, "this character is not part of the language");
    }

    // What follows a complete value where an operator, a ';' or a closing bracket belongs.
    bool AfterValue(bool inCall) {
        const Token &token = Current();
        switch (token.kind) {
        case Kind::Close:
            return Fail(token.begin, "this '" + TextOf(token) + "' closes no bracket");
        case Kind::Number:
        case Kind::Name:
        case Kind::Open:
            return Fail(token.begin,
                        "an operator is missing here: there is no implicit multiplication");
        default:
            return Unreadable(token, inCall);
        }
    }

    bool Closed(const Token &open) {
        if (Peek(Kind::Close)) {
            ++at_;
            return true;
        }
        if (Peek(Kind::End)) {
            const char close = text_[open.begin] == '('   ? ')'
                               : text_[open.begin] == '[' ? ']'
                                                          : '}';
            return Fail(Current().begin, std::string("a '") + close +
                                             "' is missing to close the '" + text_[open.begin] +
                                             "'");
        }
        return AfterValue(false);
    }

    bool Name() {
        const Token token = Current();
        const std::string name = TextOf(token);
        ++at_;
        const BuiltinInfo *builtin = FindBuiltin(name);
        if (Peek(Kind::Open))
            return Call(token, name, builtin);
        if (IsNamedValue(name))
            return true;
        if (builtin != nullptr) {
            const Token &next = Current();
            if (next.spaceBefore && (next.kind == Kind::Number || next.kind == Kind::Name))
                return Fail(next.begin - 1, "a function takes its arguments in brackets: " + name +
                                                "(" + TextOf(next) + ")");
            return Fail(token.end, "a function takes its arguments in brackets: " + name + "(...)");
        }
        for (const BuiltinInfo &known : Builtins()) {
            const std::size_t length = std::string(known.Name).size();
            if (name.size() > length && name.compare(0, length, known.Name) == 0 &&
                std::all_of(name.begin() + static_cast<std::ptrdiff_t>(length), name.end(),
                            IsDigit))
                return Fail(token.begin + length, "a function takes its arguments in brackets: " +
                                                      name.substr(0, length) + "(" +
                                                      name.substr(length) + ")");
        }
        if (const std::string slip = CaseSlip(name, false); !slip.empty())
            return Fail(token.begin, "names are case-sensitive: did you mean '" + slip + "'?");
        if (name == "Ans")
            return Fail(token.begin, "Ans has no value until an expression has been evaluated");
        if (name == "x" || name == "y" || name == "r" || name == "Theta")
            return Fail(token.begin, "'" + name + "' has no value yet: PTR, RTP or '" + name +
                                         " = ...' gives it one");
        return Fail(token.begin, "no value is called '" + name + "'");
    }

    bool Call(const Token &token, const std::string &name, const BuiltinInfo *builtin) {
        if (builtin == nullptr) {
            if (IsNamedValue(name))
                return Fail(token.begin, "'" + name + "' is a value, not a function");
            if (const std::string slip = CaseSlip(name, true); !slip.empty())
                return Fail(token.begin, "names are case-sensitive: did you mean '" + slip + "'?");
            return Fail(token.begin, "no function is called '" + name + "'");
        }
        const Token open = Current();
        ++at_;
        int count = 0;
        for (;;) {
            if (!Expression())
                return false;
            ++count;
            if (!Peek(Kind::Semicolon))
                break;
            ++at_;
            if (Peek(Kind::Close)) // a ';' at the end of the list is ignored
                break;
        }
        if (Peek(Kind::Comma))
            return Unreadable(Current(), true);
        if (!Closed(open))
            return false;
        if (builtin->ArgumentCount != kListArguments && count != builtin->ArgumentCount)
            return Fail(token.begin, name + " takes " + Arguments(builtin->ArgumentCount) +
                                         ", not " + std::to_string(count));
        return true;
    }
};

// For an error in a value: the first call of the function that the message names.
Diagnosis FunctionNamedIn(const std::string &line, const std::string &message, char separator) {
    bool factorial = false;
    for (const Token &token : Tokens(line, separator)) {
        if (token.kind == Kind::Bang && !factorial && message.find(" fact.") != std::string::npos)
            return {true, token.begin, {}};
        if (token.kind != Kind::Name)
            continue;
        const std::string name = line.substr(token.begin, token.end - token.begin);
        if (FindBuiltin(name) == nullptr)
            continue;
        if (message.find(" " + name + ".") != std::string::npos ||
            message.find(" " + name + " ") != std::string::npos)
            return {true, token.begin, {}};
        factorial = factorial || name == "fact";
    }
    return {};
}

// Display units of a line: each valid UTF-8 character, or each other byte, is one; what a
// terminal would not show as itself is written '?'.
struct Shown {
    std::string text;
    std::vector<std::size_t> offsets; // the byte offset where each unit begins
};

Shown ShownOf(const std::string &line) {
    Shown shown;
    std::size_t i = 0;
    while (i < line.size()) {
        const auto c = static_cast<unsigned char>(line[i]);
        std::size_t length = c < 0x80                ? 1
                             : c >= 0xC2 && c < 0xE0 ? 2
                             : c >= 0xE0 && c < 0xF0 ? 3
                             : c >= 0xF0 && c < 0xF5 ? 4
                                                     : 0;
        for (std::size_t k = 1; k < length; ++k)
            if (i + k >= line.size() || (static_cast<unsigned char>(line[i + k]) & 0xC0) != 0x80)
                length = 0;
        shown.offsets.push_back(i);
        if (length == 0 || (length == 1 && (c < 0x20 || c == 0x7F))) {
            shown.text += '?';
            ++i;
        } else {
            shown.text.append(line, i, length);
            i += length;
        }
    }
    shown.offsets.push_back(line.size());
    return shown;
}

constexpr std::size_t kShownWidth = 100;

} // namespace

Diagnosis Diagnose(const std::string &line, int code, const std::string &calculatorMessage,
                   char separator) {
    Diagnosis found = Reader(line, separator).Read();
    if (!found.found && code != calc::errSyntax && code != calc::errUnknown)
        found = FunctionNamedIn(line, calculatorMessage, separator);
    return found;
}

std::string PointAt(const std::string &line, const Diagnosis &diagnosis) {
    const Shown shown = ShownOf(line);
    const std::size_t units = shown.offsets.size() - 1;
    const std::size_t column = static_cast<std::size_t>(
        std::upper_bound(shown.offsets.begin(), shown.offsets.end(), diagnosis.offset) -
        shown.offsets.begin() - 1);
    // A long line is cut around the place.
    std::size_t first = 0;
    std::size_t last = units;
    if (units > kShownWidth) {
        first = column > kShownWidth / 2 ? column - kShownWidth / 2 : 0;
        last = std::min(units, first + kShownWidth);
    }
    std::string echo = "  ";
    std::string caret = "  ";
    if (first > 0) {
        echo += "...";
        caret += "   ";
    }
    // Every unit is one character of shown.text from its own start; count them again.
    std::size_t byte = 0;
    for (std::size_t unit = 0; unit < last; ++unit) {
        std::size_t length = 1;
        while (byte + length < shown.text.size() &&
               (static_cast<unsigned char>(shown.text[byte + length]) & 0xC0) == 0x80)
            ++length;
        if (unit >= first)
            echo.append(shown.text, byte, length);
        if (unit >= first && unit < column)
            caret += ' ';
        byte += length;
    }
    if (last < units)
        echo += "...";
    caret += '^';
    if (!diagnosis.hint.empty())
        caret += ' ' + diagnosis.hint;
    return echo + '\n' + caret + '\n';
}

} // namespace tools
