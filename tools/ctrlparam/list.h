#pragma once
// `list`: every text of an input, one a line, with the program types whose record holds it and what the
// strict reading finds wrong with it.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int list(Context const& context);

}  // namespace ctrlparam
