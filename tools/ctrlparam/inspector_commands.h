#pragma once
// The inspector's commands: `properties` lists what the inspector shows, `inspector` shows it in a window,
// `edit` a window with the inspector and the task's KELMAR lines that saves the stored text back.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int properties(Context const& context);
int inspector(Context const& context);
int edit(Context const& context);

}  // namespace ctrlparam
