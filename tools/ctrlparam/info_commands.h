#pragma once
// The commands that need no task: `programs` (the program types), `help` and `calc-method` (the calculation
// method of an older XML task form), and the answers to the shell's completion and the man page's build.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int programs(Context const& context);
int help(Context const& context);
int calcMethod(Context const& context);

// What the shell's completion and the build ask (neither in the overview):
// `complete WHAT [NAME]` (completion.cpp): the words the completion offers, one a line, with the -p, -m and
// -i typed so far:
//   commands         the commands of the overview
//   options [C]      the options command C takes (every option without C), "-p=" for one taking a value
//   value OPTION     what OPTION's value may be (OPTION by its long name or its letter)
//   operand C        what C's positional arguments may be
// a word "@FILE" asking for "@" and a file name, "FILE" for a file name (the shell knows the files).
int complete(Context const& context);
// `man-include` (man_page.cpp): the man page's sections made from the command and option tables, an include
// file of help2man, which adds them to what it reads from --help.
int manInclude(Context const& context);

}  // namespace ctrlparam
