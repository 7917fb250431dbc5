#pragma once
// What one run of the tool was asked to do.

#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>

#include <QString>
#include <QStringList>

#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace ctrlparam {

// A failure of the library or of the input: reported as "ctrlparam: MESSAGE", exit status 1.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Wrong usage: reported the same way with "(try 'ctrlparam --help')", exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "ctrlparam: warning: MESSAGE" on standard error: something the command does not stop for.
inline void warn(std::string const& message) {
  std::cerr << "ctrlparam: warning: " << message << '\n';
}

// "ctrlparam: note: MESSAGE" on standard error: neither output nor a warning.
inline void note(std::string const& message) {
  std::cerr << "ctrlparam: note: " << message << '\n';
}

struct Context {
  QString command;
  std::optional<trv::control_param::ProgrammTypes> program;
  QString model = QStringLiteral("none");
  bool modelGiven = false;
  std::optional<QString> options;  // the --options value as given
  QStringList settings;            // the --set values, in order
  int language = 0;                // KELMAR keywords: 0 German, 1 English
  std::optional<QString> locale;
  std::optional<QString> screenshot;
  std::optional<int> width;  // of the window in the screenshot
  std::optional<int> line;   // which text of an input holding several
  bool strict = false;       // fields of another module are an error
  bool lenient = false;      // JSON read as the library reads it
  bool json = false;         // one JSON document instead of lines
  bool changed = false;      // show: only the options away from their defaults
  bool textOnly = false;     // upgrade --text
  bool checkOnly = false;    // upgrade --check
  bool inPlace = false;      // the resulting text replaces the chosen one in its file
  bool all = false;          // --in-place: every text of the file that belongs to the program type
  bool dryRun = false;       // --in-place: say what would change, write nothing
  bool dropForeign = false;  // store a text back although its record loses something the text holds
  bool writesBack = false;   // the text is stored where it came from (--in-place, edit): nothing may be lost
  bool kelmar = false;       // diff --kelmar: the KELMAR lines instead of the fields
  QStringList arguments;     // positional arguments after the command

  trv::control_param::ProgrammTypes requireProgram() const {
    if (!program) throw UsageError("the command '" + command.toStdString() + "' needs --program");
    return *program;
  }
};

}  // namespace ctrlparam
