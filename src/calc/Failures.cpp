// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The one table that turns a caught failure into an error report.
#include "calc/detail/Failures.h"
#include "calc/NumCalc.h"

#include "runtime/Faults.h"

#include <exception>

namespace calc::detail {

namespace {

template <class Failure> bool Is(const std::exception &e) {
    return dynamic_cast<const Failure *>(&e) != nullptr;
}

bool Any(const std::exception &) {
    return true;
}

struct FailureReport {
    FailureSite site;
    bool (*matches)(const std::exception &);
    TCalcError code;
    const char *detail; // nullptr: the function's name
};

// The first row of the site that matches decides; a site without a match lets the failure
// pass on.
constexpr FailureReport kFailureReports[] = {
    {FailureSite::Evaluation, Is<runtime::EDivByZero>, errDivisionByZero, ""},
    {FailureSite::Evaluation, Is<runtime::EZeroDivide>, errDivisionByZero, ""},
    {FailureSite::Evaluation, Is<runtime::EIntOverflow>, errNotReal, ""},
    {FailureSite::Evaluation, Is<runtime::EOverflow>, errNotReal, ""},
    {FailureSite::Evaluation, Is<runtime::EInvalidOp>, errNotReal, ""},
    {FailureSite::Evaluation, Is<runtime::EInvalidArgument>, errInvalidArgument,
     "(Ej specificerad)"},
    // Above all a text that is no number: a leftover name, a stray bracket, "INF".
    {FailureSite::Evaluation, Any, errUnknown, ""},
    {FailureSite::BuiltinCall, Any, errCannotCompute, nullptr},
    {FailureSite::ArgumentText, Is<runtime::EConvertError>, errNotReal, ""},
};

} // namespace

void ReportFailure(FailureSite site, const std::string &name) {
    try {
        throw;
    } catch (const runtime::EAbort &) {
        throw;
    } catch (const std::exception &e) {
        for (const FailureReport &report : kFailureReports)
            if (report.site == site && report.matches(e)) {
                RaiseCalcError(report.code, report.detail != nullptr ? report.detail : name);
                return;
            }
        throw;
    } catch (...) {
        // Not even a standard exception: only an evaluation has a report for it.
        if (site != FailureSite::Evaluation)
            throw;
        RaiseCalcError(errUnknown, "");
    }
}

} // namespace calc::detail
