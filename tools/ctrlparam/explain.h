#pragma once
// `explain`: one field of a program type's record as the library shows and writes it.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int explain(Context const& context);

}  // namespace ctrlparam
