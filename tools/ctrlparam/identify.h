#pragma once
// `identify`: the program types whose record can hold every field of a text.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int identify(Context const& context);

}  // namespace ctrlparam
