#pragma once
// The tool's command line: its options, reading the arguments into a Context, and the help texts made from
// the option and command tables (`--help`, `help COMMAND`, the man page).

#include <string>
#include <vector>

#include <QStringList>

#include "tools/ctrlparam/command_table.h"
#include "tools/ctrlparam/context.h"

namespace ctrlparam {

// What `arguments` (without the program's name) ask for: the command's own help or the version (printed
// here, `done` set), or a Context with the command to run. Throws UsageError.
struct Request {
  Context context;
  Command const* command = nullptr;
  bool done = false;
};
Request readArguments(QStringList const& arguments);

// The overview (`--help`) and one command's help (`help COMMAND`, `COMMAND --help`).
std::string overviewHelp();
std::string commandHelp(Command const& command);

// The project's version as `--version` prints it.
std::string versionText();

}  // namespace ctrlparam
