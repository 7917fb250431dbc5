#pragma once
// The tool's command line: its commands and options, what each command takes, reading the arguments into a
// Context, and the help texts made from the same tables (`--help`, `help COMMAND`, the man page).

#include <string>
#include <vector>

#include <QStringList>

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

struct Command {
  char const* name;
  int (*run)(Context const&);        // the exit status
  bool gui;                          // needs a QApplication with a platform
  int arguments;                     // how many positional arguments it takes at most
  char const* operands;              // its positional arguments as the synopsis shows them
  std::vector<char const*> options;  // the long names of the options it takes
  char const* summary;               // one line of the overview
  char const* description;           // what it prints, for its own help
  char const* example;
};

std::vector<Command> const& commands();
Command const* findCommand(QString const& name);

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
