#pragma once
// The words the shell's completion offers, asked from the tool so that the completion script keeps no list
// and no rule of its own: `ctrlparam complete WHAT [NAME]` with the -p, -m and -i typed so far.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

// One word a line, for WHAT:
//   commands         the commands of the overview
//   options [C]      the options command C takes (every option without C), "-p=" for one taking a value
//   value OPTION     what OPTION's value may be (OPTION by its long name or its letter)
//   operand C        what C's positional arguments may be
// A word "@FILE" asks for "@" and a file name, "FILE" for a file name: the shell knows the files.
int complete(Context const& context);

}  // namespace ctrlparam
