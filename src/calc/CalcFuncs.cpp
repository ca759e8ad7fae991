// The table of user functions.
#include "calc/CalcFuncs.h"

namespace calc {

TFuncList Functions;

void InitFunctions() {
    Functions.clear();
}

} // namespace calc
