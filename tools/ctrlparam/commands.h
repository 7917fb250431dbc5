#pragma once
// The tool's commands. Each writes its result to standard output, returns the exit status and throws Failure
// or UsageError.

#include <optional>
#include <string>

#include "host/trv_dbo/dbo.h"
#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/context.h"
#include "tools/ctrlparam/text_checks.h"

namespace ctrlparam {

int programs(Context const& context);
int show(Context const& context);
int json(Context const& context);
int store(Context const& context);
int kelmar(Context const& context);
int diff(Context const& context);
int upgrade(Context const& context);
int identify(Context const& context);
int explain(Context const& context);
int help(Context const& context);
int calcMethod(Context const& context);
int properties(Context const& context);
int inspector(Context const& context);
int edit(Context const& context);
int reset(Context const& context);

// "ctrlparam: warning: MESSAGE" on standard error.
void warn(std::string const& message);

trv::dbo::standin::ElementKinds parseModel(QString const& text);

// The text of an input argument: "-" standard input, "@FILE" the file, anything else the text itself.
QString inputText(QString const& argument);

// The options text an input argument holds, picked by --line (the first, with a warning, when it holds
// several), and how messages about it name where it stands.
struct LoadedText {
  OptionsText text;
  std::string source;                 // the file, "standard input", or the label of a text given as it is
  bool named = false;                 // a file or standard input: messages always name the line
  bool several = false;               // the input holds several texts
  std::string where(int line) const;  // "FILE:3: ", "line 3: ", "A: " or ""
};
// `label` names a text given as it is (diff's "A" and "B"); refuses a bare file name, an empty input.
LoadedText loadText(QString const& argument, Context const& context, std::string const& label);

// Loads the text into the task of the context's program type, refusing what the strict reading refuses and
// warning of (or, with --strict, refusing) fields of another module.
void loadInto(trv::control_param::Data& data, LoadedText const& loaded, Context const& context);

// The task of the context: the model registered, the Data made, --options loaded and --set applied;
// `loaded`, when given, receives the text that --options held.
trv::control_param::Data makeTask(Context const& context, std::optional<LoadedText>* loaded = nullptr);

// A task of the context's program type for another model, holding the stored text `text`.
trv::control_param::Data makeTask(Context const& context, trv::dbo::standin::ElementKinds kinds,
                                  QString const& text);

// Inspector side of a task: the label locale (before the Data is made) and the --set edits.
void applyLocale(Context const& context);
void applySettings(Context const& context, trv::control_param::Data& data);

}  // namespace ctrlparam
