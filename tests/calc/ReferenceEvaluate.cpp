// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The previous entry point (bracket reduction by repeated passes from the start), kept as the
// reference that the current evaluator must match in value, error code and abort. The steps
// that did not change are the production ones.
#include "Reference.h"
#include "calc/CalcVars.h"
#include "calc/NumCalc.h"
#include "calc/WorkingText.h"
#include "calc/detail/EvaluationSteps.h"

#include "runtime/Faults.h"

#include <vector>

namespace calc::reference {

using namespace text;

namespace {

void SubstituteNamedValues(std::string &s) {
    // By index: the table does not change during substitution, but keep no references.
    for (std::size_t i = 0; i < Variables.size(); ++i)
        SubstituteIdentifier(s, Variables[i].Name, Variables[i].Value, true);
}

// The "(" ... ")" group from open to close, after a function name: its ";"-separated parts
// are evaluated one by one into "[" list "]". The ";" inside an inner call's "[" "]" belong
// to that call and do not split.
void ReduceCallGroup(std::string &s, std::size_t open, std::size_t close, bool brace) {
    const std::string inside = Span(s, open + 1, close - 1);
    std::vector<std::string> parts;
    std::size_t begin = 0;
    int depth = 0;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i] == '[') {
            ++depth;
        } else if (inside[i] == ']' && depth > 0) {
            --depth;
        } else if (inside[i] == ';' && depth == 0) {
            parts.push_back(inside.substr(begin, i - begin));
            begin = i + 1;
        }
    }
    // A ";" at the very end adds no part; an empty part anywhere else fails when read.
    if (begin == 0 || begin < inside.size())
        parts.push_back(inside.substr(begin));
    std::string list;
    for (const std::string &part : parts) {
        list += FormatResult(false, EvaluateOperators(part));
        list += ';';
    }
    list.pop_back();
    std::size_t nameStart = open - 1;
    while (nameStart > 1 && IsNameChar(At(s, nameStart - 1)))
        --nameStart;
    ReplaceSpan(s, open, close, "[" + list + (brace ? "]}" : "]"));
    if (brace)
        Insert(s, nameStart, "{");
}

void ReducePlainGroup(std::string &s, std::size_t open, std::size_t close, bool brace) {
    const std::string value = FormatResult(false, EvaluateOperators(Span(s, open + 1, close - 1)));
    ReplaceSpan(s, open, close, brace ? "{" + value + "}" : value);
}

// Reduces the innermost bracket pair again and again until none is left. False when a
// bracket without its partner ended the evaluation (reported as a syntax error).
bool ReduceBrackets(std::string &s) {
    for (;;) {
        const std::size_t n = s.size();
        if (n == 0)
            return true; // nothing to reduce; the empty text fails when it is read
        if (At(s, 1) == ')') {
            RaiseCalcError(errSyntax, "(");
            return false;
        }
        std::size_t open = At(s, 1) == '(' ? 1 : 0;
        bool call = false;
        bool done = n == 1;
        bool reduced = false;
        for (std::size_t i = 2; i <= n; ++i) {
            const char c = At(s, i);
            if (c == '(') {
                open = i;
                call = IsNameChar(At(s, i - 1));
                continue;
            }
            if (c == ')') {
                if (open == 0) {
                    RaiseCalcError(errSyntax, "(");
                    return false;
                }
                const bool brace = i < n && (At(s, i + 1) == '!' || At(s, i + 1) == '^');
                if (call)
                    ReduceCallGroup(s, open, i, brace);
                else
                    ReducePlainGroup(s, open, i, brace);
                reduced = true;
                break;
            }
            if (i == n)
                done = true;
        }
        if (done)
            return true;
        if (!reduced) {
            // The text ends in a "(" that no pass can close.
            RaiseCalcError(errSyntax, "");
            return false;
        }
    }
}

// Reports the failure being handled under its error code; the silent abort passes on.
void ReportFailure() {
    try {
        throw;
    } catch (const runtime::EAbort &) {
        throw;
    } catch (const runtime::EDivByZero &) {
        RaiseCalcError(errDivisionByZero, "");
    } catch (const runtime::EZeroDivide &) {
        RaiseCalcError(errDivisionByZero, "");
    } catch (const runtime::EIntOverflow &) {
        RaiseCalcError(errNotReal, "");
    } catch (const runtime::EOverflow &) {
        RaiseCalcError(errNotReal, "");
    } catch (const runtime::EInvalidOp &) {
        RaiseCalcError(errNotReal, "");
    } catch (const runtime::EInvalidArgument &) {
        RaiseCalcError(errInvalidArgument, "(Ej specificerad)");
    } catch (...) {
        RaiseCalcError(errUnknown, "");
    }
}

} // namespace

Extended EvaluateExpression(const std::string &text) {
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
        ReportFailure();
        return 0;
    }
}

} // namespace calc::reference
