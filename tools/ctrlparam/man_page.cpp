#include "tools/ctrlparam/info_commands.h"

#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/ctrlparam/arguments.h"
#include "tools/ctrlparam/command_table.h"

namespace ctrlparam {
namespace {

// A help text as roff: its line breaks (made for a terminal) joined, backslashes and hyphens escaped, and a
// character at its start that roff or help2man's include file would take as a request made text.
std::string roff(std::string const& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += ' ';
    else if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
  }
  if (!out.empty() && std::string_view(".'[/").find(out[0]) != std::string_view::npos) out.insert(0, "\\&");
  return out;
}

// "\fB-p\fR, \fB--program\fR \fIP\fR".
std::string optionRoff(Option const& option) {
  std::string words = option.letter ? "\\fB\\-" + std::string(1, option.letter) + "\\fR, " : "";
  words += "\\fB\\-\\-" + std::string(option.name) + "\\fR";
  return option.value ? words + " \\fI" + roff(option.value) + "\\fR" : words;
}

std::string optionItems(std::vector<char const*> const& names) {
  std::string items;
  for (char const* name : names) {
    Option const& option = *findOption(QLatin1String(name), false);
    items += ".TP\n" + optionRoff(option) + '\n' + roff(option.help) + '\n';
  }
  return items;
}

// The synopsis, "ctrlparam COMMAND" in bold and the lines it wraps onto indented.
std::string synopsisRoff(Command const& command) {
  std::string const line = synopsis(command);
  std::string const head = std::string("ctrlparam ") + command.name;
  return ".SY \"" + roff(head) + "\"\n" + roff(line.substr(head.size() + (line.size() > head.size()))) +
         "\n.YS\n";
}

std::string commandSection(Command const& command) {
  std::string text = ".SS " + roff(command.name) + '\n' + synopsisRoff(command);
  text += ".PP\n" + roff(command.description) + '\n';
  if (!command.options.empty()) text += ".PP\nOptions:\n.RS\n" + optionItems(command.options) + ".RE\n";
  text += ".PP\nExit status: " + roff(exitStatusText(command)) + ".\n";
  return text + ".PP\nExample:\n.RS\n.EX\n" + roff(command.exampleText) + "\n.EE\n.RE\n";
}

// The commands grouped by what their exit statuses say, in the order of the overview.
std::string exitStatuses() {
  std::vector<std::pair<std::string, std::string>> groups;  // names, text
  for (Command const* command : shownCommands()) {
    std::string const text = exitStatusText(*command);
    auto group = groups.begin();
    while (group != groups.end() && group->second != text) ++group;
    std::string const name = std::string("\\fB\\%") + roff(command->name) + "\\fR";  // never hyphenated
    if (group == groups.end())
      groups.emplace_back(name, text);
    else
      group->first += ", " + name;
  }
  std::string section;
  for (auto const& [names, text] : groups) section += ".TP\n" + names + '\n' + roff(text) + ".\n";
  return section;
}

}  // namespace

int manInclude(Context const&) {
  std::string synopses;
  std::string sections;
  std::string examples;
  for (Command const* command : shownCommands()) {
    synopses += synopsisRoff(*command);
    sections += commandSection(*command);
    examples += ".TP\n.B " + roff(command->exampleText) + '\n' + roff(command->summaryText) + '\n';
  }
  std::vector<char const*> options;
  for (Option const& option : optionTable()) options.push_back(option.name);
  std::cout
      << "[SYNOPSIS]\n"
      << synopses << "[=OPTIONS]\n"
      << optionItems(options)
      << ".PP\nEvery long option also takes its value as \\fB\\-\\-\\fR\\fIname\\fR\\fB=\\fR\\fIVALUE\\fR "
         "(needed where the value begins with \\-). Each command takes only the options its section "
         "below names.\n"
      << "[COMMANDS]\n"
      << sections << "[EXIT STATUS]\n"
      << exitStatuses() << "[=EXAMPLES]\n"
      << examples;
  return 0;
}

}  // namespace ctrlparam
