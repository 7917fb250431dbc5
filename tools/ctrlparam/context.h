#pragma once
// What one run of the tool was asked to do.

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

// Wrong usage: reported the same way, exit status 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct Context {
  QString command;
  std::optional<trv::control_param::ProgrammTypes> program;
  QString model = QStringLiteral("none");
  std::optional<QString> options;  // the --options value as given
  QStringList settings;            // the --set values, in order
  QString language = QStringLiteral("de");
  std::optional<QString> locale;
  std::optional<QString> screenshot;
  QStringList arguments;  // positional arguments after the command

  trv::control_param::ProgrammTypes requireProgram() const {
    if (!program) throw UsageError("the command '" + command.toStdString() + "' needs --program");
    return *program;
  }
};

}  // namespace ctrlparam
