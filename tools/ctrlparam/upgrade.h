#pragma once
// `upgrade`: what the library's upgrade check reports about the task, and the stored text after the upgrade.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

// With --check, exit status as diff(1): 0 when the upgrade leaves the text as it is, 1 when it changes it.
int upgrade(Context const& context);

}  // namespace ctrlparam
