// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One function call with evaluated arguments: a built-in, else a user function.
#include "calc/Builtins.h"
#include "calc/CalcFuncs.h"
#include "calc/Identifiers.h"
#include "calc/NumCalc.h"
#include "calc/detail/OperatorLevel.h"

namespace calc {

Extended CallFunction(const std::string &name, const TExtendedArray &args) {
    Extended result = 0;
    if (CallBuiltin(name, args, result))
        return result;

    const TFuncData *function = nullptr;
    for (const TFuncData &candidate : Functions)
        if (candidate.Name == name) {
            function = &candidate;
            break;
        }
    if (function == nullptr) {
        RaiseCalcError(errUnknownFunction, name);
        return 0;
    }
    if (args.size() != function->Params.size()) {
        RaiseCalcError(errArgumentCount, name);
        return 0;
    }
    // A parameter is replaced even where a "(" follows it.
    std::string body = function->Body;
    for (std::size_t j = 0; j < function->Params.size(); ++j)
        SubstituteIdentifier(body, function->Params[j], args[j], false);
    return EvaluateExpression(body);
}

} // namespace calc
