#include "tools/ctrlparam/diff.h"

#include <iostream>

#include "tools/ctrlparam/record_text.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {

using trv::control_param::Data;
using trv::control_param::ProgrammTypes;

int diff(Context const& context) {
  if (context.arguments.size() != 2) throw UsageError("diff needs two stored texts A and B");
  if (context.arguments[0] == QLatin1String("-") && context.arguments[1] == QLatin1String("-"))
    throw UsageError("standard input ('-') can be read once");
  auto load = [&](QString const& text, char const* label) {
    Context one = context;
    one.options.reset();
    Data data = makeTask(one);
    loadInto(data, loadText(text, context, label), context);
    return data;
  };
  Data a = load(context.arguments[0], "A");
  Data b = load(context.arguments[1], "B");
  ProgrammTypes const type = context.requireProgram();
  std::string const lines = recordDiff(a, b, type);
  std::cout << (context.json ? recordDiff(a, b, type, true) : lines);
  return lines.empty() ? 0 : 1;
}

}  // namespace ctrlparam
