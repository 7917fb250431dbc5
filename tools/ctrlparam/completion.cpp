#include "tools/ctrlparam/info_commands.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "lib/properties/control_param/src/program_records.h"
#include "tools/ctrlparam/arguments.h"
#include "tools/ctrlparam/command_table.h"
#include "tools/ctrlparam/input_texts.h"
#include "tools/ctrlparam/property_values.h"
#include "tools/ctrlparam/records.h"
#include "tools/ctrlparam/task.h"
#include "tools/ctrlparam/text_reading.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using Words = std::vector<std::string>;

Words commandNames() {
  Words names;
  for (Command const* command : shownCommands()) names.push_back(command->name);
  return names;
}

Words optionNames(Command const* command) {
  Words words;
  for (Option const& option : optionTable()) {
    std::string const name = option.name;
    bool const taken = !command || name == "help" || command->takesOption(name);
    if (!taken) continue;
    std::string const valued = option.value ? "=" : "";
    if (option.letter) words.push_back(std::string("-") + option.letter + valued);
    words.push_back("--" + name + valued);
  }
  return words;
}

// The fields of the record of -p: every one, or only the options of its program type (programOptions).
Words recordFields(Context const& context, bool optionsOnly) {
  if (optionsOnly) return programOptions(context);
  Words names;
  visitRecordType(context.requireProgram(), [&](auto tag) {
    reflection::for_each_field<typename decltype(tag)::type>(
        [&](auto field) { names.push_back(decltype(field)::metadata.name); });
  });
  return names;
}

// "FIELD=" for every field that has a property for -p and -m: what --set takes.
Words settings(Context const& context) {
  Context task = context;
  task.options.reset();
  Data data = makeTask(task);
  Words words;
  for (auto const& property : makeInspector(data)->properties()->list()) words.push_back(property->id + '=');
  return words;
}

// The lines of the -i file that hold a text --line takes (not those of a text wrapped over lines).
Words textLines(Context const& context) {
  if (!context.options || !context.options->startsWith(QLatin1Char('@'))) return {};
  std::string const input = optionsInput(inputArgument(*context.options).argument);
  std::vector<InputText> const texts = cutInput(input);
  InputReadings readings(texts);
  Words lines;
  for (std::size_t i = 0; i < texts.size(); ++i)
    if (!readings.wrappedAround(i)) lines.push_back(std::to_string(texts[i].line));
  return lines;
}

Words values(Context const& context, QString const& name) {
  Option const* option = findOption(name, name.size() == 1);
  if (!option) throw UsageError("unknown option '" + name.toStdString() + "'");
  std::string const long_ = option->name;
  if (long_ == "options") return {"@FILE", "-"};
  if (long_ == "screenshot") return {"FILE"};
  if (long_ == "line") return textLines(context);
  if (long_ == "set") return settings(context);
  return valueWords(*option);
}

Words operands(Context const& context, QString const& name) {
  Command const* command = findCommand(name);
  if (!command) throw UsageError("unknown command '" + name.toStdString() + "'");
  switch (command->completed) {
    case Command::Operands::fields:
      return recordFields(context, false);
    case Command::Operands::options:
      return recordFields(context, true);
    case Command::Operands::commands:
      return commandNames();
    case Command::Operands::inputs:
      return {"@FILE", "-"};
    case Command::Operands::files:
      return {"FILE", "-"};
    case Command::Operands::none:
      break;
  }
  return {};
}

}  // namespace

int complete(Context const& context) {
  QString const what = context.arguments.value(0);
  QString const name = context.arguments.value(1);
  Words words;
  if (what == QLatin1String("commands"))
    words = commandNames();
  else if (what == QLatin1String("options"))
    words = optionNames(name.isEmpty() ? nullptr : findCommand(name));
  else if (what == QLatin1String("value"))
    words = values(context, name);
  else if (what == QLatin1String("operand"))
    words = operands(context, name);
  else
    throw UsageError("complete answers commands, options [COMMAND], value OPTION or operand COMMAND");
  for (std::string const& word : words) std::cout << word << '\n';
  return 0;
}

}  // namespace ctrlparam
