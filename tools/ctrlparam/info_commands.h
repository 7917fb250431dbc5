#pragma once
// The commands that need no task: `programs` (the program types), `help` and `calc-method` (the calculation
// method of an older XML task form).

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int programs(Context const& context);
int help(Context const& context);
int calcMethod(Context const& context);

}  // namespace ctrlparam
