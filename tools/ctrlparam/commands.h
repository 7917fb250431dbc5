#pragma once
// The tool's commands. Each writes its result to standard output and throws Failure or UsageError.

#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/context.h"

namespace ctrlparam {

void programs(Context const& context);
void show(Context const& context);
void json(Context const& context);
void store(Context const& context);
void kelmar(Context const& context);
void upgrade(Context const& context);
void calcMethod(Context const& context);
void properties(Context const& context);
void inspector(Context const& context);

// The task of the context: the model registered, the Data made, --options loaded and --set applied.
trv::control_param::Data makeTask(Context const& context);

// Inspector side of a task: the label locale (before the Data is made) and the --set edits.
void applyLocale(Context const& context);
void applySettings(Context const& context, trv::control_param::Data& data);

}  // namespace ctrlparam
