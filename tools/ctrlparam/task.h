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

namespace ctrlparam {

// The bytes of an input argument: "-" standard input, "@FILE" the file, anything else the argument itself.
QByteArray inputBytes(QString const& argument);

// The same as text (UTF-8); a file or standard input in UTF-16 is refused.
QString inputText(QString const& argument);

// The options text an input argument holds, picked by --line (the first, with a warning, when it holds
// several), and how messages about it name where it stands.
struct LoadedText {
  OptionsText text;
  std::string source;                 // the file, "standard input", or the label of a text given as it is
  QByteArray fileName;                // the file's name as the system has it (empty: no file)
  bool named = false;                 // a file or standard input: messages always name the line
  bool several = false;               // the input holds several texts
  std::string where(int line) const;  // "FILE:3: ", "line 3: ", "A: " or ""
};
// `label` names a text given as it is (diff's "A" and "B"); refuses a bare file name, an empty input.
LoadedText loadText(QString const& argument, Context const& context, std::string const& label);

// Loads the text into the task of the context's program type, refusing what the strict reading refuses and
// warning of (or, with --strict, refusing) fields of another module.
void loadInto(trv::control_param::Data& data, LoadedText const& loaded, Context const& context);

// The label locale of the inspector, chosen before a Data is made.
void applyLocale(Context const& context);

// The task of the context: the model registered, the Data made, --options loaded and --set applied;
// `loaded`, when given, receives the text that --options held.
trv::control_param::Data makeTask(Context const& context, std::optional<LoadedText>* loaded = nullptr);

// A task of the context's program type for another model, holding the stored text `text`.
trv::control_param::Data makeTask(Context const& context, trv::dbo::standin::ElementKinds kinds,
                                  QString const& text);

}  // namespace ctrlparam
