#pragma once
// The tool's commands. Each writes its result to standard output, returns the exit status and throws Failure
// or UsageError.

#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int programs(Context const& context);
int show(Context const& context);
int json(Context const& context);
int store(Context const& context);
int kelmar(Context const& context);
int diff(Context const& context);
int upgrade(Context const& context);
int calcMethod(Context const& context);
int properties(Context const& context);
int inspector(Context const& context);
int reset(Context const& context);

// The task of the context: the model registered, the Data made, --options loaded and --set applied.
trv::control_param::Data makeTask(Context const& context);

// Inspector side of a task: the label locale (before the Data is made) and the --set edits.
void applyLocale(Context const& context);
void applySettings(Context const& context, trv::control_param::Data& data);

}  // namespace ctrlparam
