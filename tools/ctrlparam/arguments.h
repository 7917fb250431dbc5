#pragma once
// The tool's command line: its options, reading the arguments into a Context, and the help texts made from
// the option and command tables (`--help`, `help COMMAND`, the man page).

#include <string>
#include <vector>

#include <QStringList>

#include "tools/ctrlparam/command_table.h"
#include "tools/ctrlparam/context.h"

namespace ctrlparam {

// One option of the command line.
struct Option {
  char const* name;   // the long name
  char letter;        // the short name, or 0
  char const* value;  // what it takes, or null for a switch
  std::string help;
};

// Every option, in the order the overview lists them; one by its long name or its letter, or null.
std::vector<Option> const& optionTable();
Option const* findOption(QString const& name, bool isLetter);

// The words an option's value may be where they are few (program types, model kinds, keyword languages).
std::vector<std::string> valueWords(Option const& option);

// "ctrlparam show -p P [-m KINDS] ...": the command with the options and arguments it takes.
std::string synopsis(Command const& command);

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
