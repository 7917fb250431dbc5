#pragma once
// `diff`: the fields that differ between two stored texts of one program type (and the fields of another
// module that either passes over), or with --kelmar the solver lines they give; diff(1)'s exit status.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

// Exit status as diff(1): 0 equal, 1 different (trouble is 2: the command table says so).
int diff(Context const& context);

}  // namespace ctrlparam
