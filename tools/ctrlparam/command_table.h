#pragma once
// The tool's commands: what each runs, what it takes and how its help describes it.

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <QString>

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

// One command, built field by field with its fields named:
//   Command("show", show).takes({"program", ...}).summary("...").describes("...").example("...")
struct Command {
  // How the exit status tells trouble: 1, or as diff(1) (0 equal, 1 different, 2 trouble), the latter
  // always or only with --check.
  enum class Status { plain, diffLike, diffLikeWhenChecking };
  // What its positional arguments are, for the shell's completion (operands named FIELD: fields, unless set).
  enum class Operands { none, fields, options, commands, inputs, files };

  Command(char const* name, int (*run)(Context const&)) : name(name), run(run) {}

  char const* name;
  int (*run)(Context const&);        // the exit status
  bool gui = false;                  // needs a QApplication with a platform
  bool window = false;               // shows a window (unless --screenshot): needs a display
  Status status = Status::plain;     // how trouble shows in the exit status
  bool programOptional = false;      // takes --program without needing it
  bool readsStandardInput = false;   // reads standard input when --options is missing
  int arguments = 0;                 // how many positional arguments it takes at most
  char const* operands = "";         // its positional arguments as the synopsis shows them
  std::vector<char const*> options;  // the long names of the options it takes
  char const* summaryText = "";      // one line of the overview
  char const* description = "";      // what it prints, for its own help
  char const* exampleText = "";

  bool hidden = false;                  // asked by the shell's completion and the build, not by users
  Operands completed = Operands::none;  // what the completion offers for its positional arguments
  char const* exitText = "";            // what its exit statuses say where the status kind does not tell

  Command& withWidgets() {
    gui = true;
    return *this;
  }
  Command& showingWindow() {
    gui = window = true;
    return *this;
  }
  Command& standardInputWithoutOptions() {
    readsStandardInput = true;
    return *this;
  }
  Command& programIfGiven() {
    programOptional = true;
    return *this;
  }
  Command& statusAs(Status kind) {
    status = kind;
    return *this;
  }
  Command& operandsAre(char const* synopsis, int most) {
    operands = synopsis;
    arguments = most;
    return *this;
  }
  // Whether it takes the option of that long name.
  bool takesOption(std::string_view name) const {
    return std::any_of(options.begin(), options.end(), [&](char const* option) { return name == option; });
  }

  Command& takes(std::vector<char const*> names) {
    options = std::move(names);
    return *this;
  }
  Command& summary(char const* text) {
    summaryText = text;
    return *this;
  }
  Command& describes(char const* text) {
    description = text;
    return *this;
  }
  Command& example(char const* text) {
    exampleText = text;
    return *this;
  }
  Command& hiddenFromHelp() {
    hidden = true;
    return *this;
  }
  Command& operandsComplete(Operands kind) {
    completed = kind;
    return *this;
  }
  Command& exits(char const* text) {
    exitText = text;
    return *this;
  }

  // The exit status of trouble (a failure of the library or the input) for this run.
  int troubleStatus(Context const& context) const {
    bool const diffLike =
        status == Status::diffLike || (status == Status::diffLikeWhenChecking && context.checkOnly);
    return diffLike ? 2 : 1;
  }
};

// What the exit statuses of the command say: its own text, or the one of its status kind.
std::string exitStatusText(Command const& command);

// The commands in the order the overview lists them; those it lists (none hidden).
std::vector<Command> const& commands();
std::vector<Command const*> shownCommands();
Command const* findCommand(QString const& name);

}  // namespace ctrlparam
