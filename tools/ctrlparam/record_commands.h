#pragma once
// The commands that print the task's record in one of its forms: `show` (one field a line), `json` (one
// Simple JSON line), `store` (the stored text), `reset` (the stored text with options at their defaults) and
// `kelmar` (the solver's input lines).

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int show(Context const& context);
int json(Context const& context);
int store(Context const& context);
int reset(Context const& context);
int kelmar(Context const& context);

}  // namespace ctrlparam
