// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's entry point: normalisation, substitution of named values, binary-minus
// marks, bracket reduction from the innermost pair out, and the classification of failures.
#include "calc/Evaluate.h"
#include "calc/CalcVars.h"
#include "calc/Identifiers.h"
#include "calc/NumCalc.h"
#include "calc/WorkingText.h"
#include "calc/detail/EvaluationSteps.h"
#include "calc/detail/Failures.h"
#include "calc/detail/OperatorLevel.h"

#include "runtime/Faults.h"

#include <vector>

namespace calc {

using namespace text;

namespace detail {

std::string Normalise(const std::string &text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case ' ':
            break;
        case '[':
        case '{':
            s += '(';
            break;
        case ']':
        case '}':
            s += ')';
            break;
        case '\xD7': // the multiplication sign
        case '\xB7': // the middle dot
            s += '*';
            break;
        default:
            s += c;
        }
    }
    return s;
}

void MarkBinaryMinus(std::string &s) {
    for (std::size_t i = 2; i <= s.size(); ++i)
        if (At(s, i) == '-' && IsMinusPredecessor(At(s, i - 1)))
            Put(s, i, '~');
}

} // namespace detail

namespace {

void SubstituteNamedValues(std::string &s) {
    // By index: the table does not change during substitution, but keep no references.
    for (std::size_t i = 0; i < Variables.size(); ++i)
        SubstituteIdentifier(s, Variables[i].Name, Variables[i].Value, true);
}

// The group from the "(" at open to the end of written, after a function name: its
// ";"-separated parts are evaluated one by one into "[" list "]". The ";" inside an inner
// call's "[" "]" belong to that call and do not split.
void ReduceCallGroup(std::string &written, std::size_t open, bool brace) {
    const std::string inside = Span(written, open + 1, written.size());
    std::vector<std::string> parts;
    std::size_t begin = 1;
    int depth = 0;
    for (std::size_t i = 1; i <= inside.size(); ++i) {
        const char c = At(inside, i);
        if (c == '[') {
            ++depth;
        } else if (c == ']' && depth > 0) {
            --depth;
        } else if (c == ';' && depth == 0) {
            parts.push_back(Span(inside, begin, i - 1));
            begin = i + 1;
        }
    }
    // A ";" at the very end adds no part; an empty part anywhere else fails when read.
    if (begin == 1 || begin <= inside.size())
        parts.push_back(Span(inside, begin, inside.size()));
    std::string list;
    for (const std::string &part : parts) {
        AppendValue(list, EvaluateOperators(part));
        list += ';';
    }
    list.pop_back();
    // The name is the run of name characters that ends just before the "(".
    const std::size_t nameStart = RunStart(written, open - 2, IsNameChar);
    CutFrom(written, open);
    written += '[';
    written += list;
    written += brace ? "]}" : "]";
    if (brace)
        Insert(written, nameStart, '{');
}

void ReducePlainGroup(std::string &written, std::size_t open, bool brace) {
    const Extended value = EvaluateOperators(Span(written, open + 1, written.size()));
    CutFrom(written, open);
    if (brace)
        written += '{';
    AppendValue(written, value);
    if (brace)
        written += '}';
}

// Reduces the bracket pairs from the innermost out, in one left-to-right pass: each ")" is
// reduced with the last "(" still open before it, which is the pair that the first ")" of
// the text and the last "(" before it make once the pairs before are reduced. False when a
// bracket without its partner ended the evaluation (reported as a syntax error).
bool ReduceBrackets(std::string &s) {
    std::string written; // the text up to the scan point, reduced
    written.reserve(s.size());
    std::vector<std::size_t> open; // positions in written of the "(" not yet closed
    NextOfEither brackets(s, '(', ')');
    std::size_t next = 1;
    while (const std::size_t i = brackets.From(next)) {
        AppendSpan(written, s, next, i - 1);
        next = i + 1;
        if (At(s, i) == '(') {
            written += '(';
            open.push_back(written.size());
            continue;
        }
        if (open.empty()) {
            RaiseCalcError(errSyntax, "(");
            return false;
        }
        const std::size_t start = open.back();
        open.pop_back();
        // A digit is a name character too: 2(3) calls the function 2.
        const bool call = IsNameChar(At(written, start - 1));
        const bool brace = At(s, i + 1) == '!' || At(s, i + 1) == '^';
        if (call)
            ReduceCallGroup(written, start, brace);
        else
            ReducePlainGroup(written, start, brace);
    }
    AppendSpan(written, s, next, s.size());
    // A text that ends in a "(" leaves a group that nothing can close.
    if (written.size() > 1 && At(written, written.size()) == '(') {
        RaiseCalcError(errSyntax, "");
        return false;
    }
    s.swap(written);
    return true;
}

} // namespace

Extended EvaluateExpression(const std::string &text) {
    // An empty text evaluates nothing and leaves ErrorReported as it was.
    ResetErrorState(!text.empty());
    if (text.empty())
        return 0;

    std::string s = detail::Normalise(text);
    FoldSigns(s);
    SubstituteNamedValues(s);
    detail::MarkBinaryMinus(s);
    try {
        if (!ReduceBrackets(s))
            return 0;
        const Extended value = EvaluateOperators(s);
        SetVariable("Ans", value);
        return value;
    } catch (...) {
        detail::ReportFailure(detail::FailureSite::Evaluation);
        return 0;
    }
}

Evaluation Evaluate(std::string_view text) {
    Evaluation outcome;
    try {
        outcome.value = EvaluateExpression(std::string(text));
    } catch (const runtime::EAbort &) {
        outcome.aborted = true;
        outcome.value = 0;
    }
    outcome.firstError = FirstError;
    if (FirstError >= 0)
        outcome.message = FirstErrorMessage;
    return outcome;
}

} // namespace calc
