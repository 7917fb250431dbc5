#pragma once
// Making the task a command works on, as a host does (model first, then the Data, then its options), and the
// options text read from an input argument and loaded into it.

#include <optional>
#include <string>

#include <QString>

#include "host/trv_dbo/dbo.h"
#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/context.h"
#include "tools/ctrlparam/input_texts.h"
#include "tools/ctrlparam/model_kinds.h"
#include "tools/ctrlparam/text_reading.h"

namespace ctrlparam {

// The bytes of an input argument: "-" standard input, "@FILE" the file, anything else the argument itself.
QByteArray inputBytes(QString const& argument);

// The same as an options input: a file or standard input in UTF-16 is refused.
std::string optionsInput(QString const& argument);

// An input argument and the line it names: "@FILE:N" is "@FILE" and line N, unless a file of the whole name
// exists.
struct InputArgument {
  QString argument;
  std::optional<int> line;
};
InputArgument inputArgument(QString const& argument);

// The options text an input argument holds, picked by --line (the first, with a warning, when it holds
// several), what the strict reading finds in it, and how messages about it name where it stands.
struct LoadedText {
  std::string input;             // the input's bytes as read
  std::vector<InputText> texts;  // every text of the input
  std::size_t chosen = 0;        // the one used
  TextReading reading;           // of the chosen text
  std::string source;            // the file, "standard input", or the label of a text given as it is
  QByteArray fileName;           // the file's name as the system has it (empty: no file)
  bool named = false;            // a file or standard input: messages always name the line
  bool asGiven = false;          // the text itself was the argument

  InputText const& text() const { return texts[chosen]; }
  std::string where(int line) const;  // "FILE:3: ", "line 3: ", "A: " or ""
  std::string where(Finding const& finding) const { return where(finding.at.line); }
};
// `label` names a text given as it is (diff's "A" and "B"); refuses a bare file name, an empty input, a
// line that holds no text and a text wrapped over lines.
LoadedText loadText(QString const& argument, Context const& context, std::string const& label);

// The input of an argument without a line ("@FILE", "-" or a text) cut into its texts, none chosen yet;
// refuses a bare file name and an empty input.
LoadedText readInput(QString const& argument, std::string const& label);

// The input argument of a command that reads standard input when --options is missing; refuses a terminal.
QString optionsOrStandardInput(Context const& context);

// Refuses what the strict reading of the text refuses for the context's program type and warns of the
// rest (--strict and --lenient as the context has them); `fits` names the program types the text fits.
void judge(LoadedText const& loaded, Context const& context);
// Warns of blanks before a JSON text's '{', which the system itself reads as Base64.
void warnBlanksBeforeBrace(LoadedText const& loaded);

// Loads the text into the task of the context's program type, judged first; where the context writes the
// text back, refuses one whose record would lose something it holds, unless --drop-foreign.
void loadInto(trv::control_param::Data& data, LoadedText const& loaded, Context const& context);

// The label locale of the inspector, chosen before a Data is made.
void applyLocale(Context const& context);

// The task of the context: the model registered, the Data made, --options loaded and --set applied;
// `loaded`, when given, receives the text that --options held.
trv::control_param::Data makeTask(Context const& context, std::optional<LoadedText>* loaded = nullptr);

// The task of the context holding the text `loaded` chose, --set applied.
trv::control_param::Data makeTask(Context const& context, LoadedText const& loaded);

// A task of the context's program type for another model, holding the stored text `text`.
trv::control_param::Data makeTask(Context const& context, trv::dbo::standin::ElementKinds kinds,
                                  QString const& text);

}  // namespace ctrlparam
