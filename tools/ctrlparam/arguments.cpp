#include "tools/ctrlparam/arguments.h"

#include <algorithm>
#include <iostream>
#include <iterator>

#include <QLocale>

#include "tools/ctrlparam/in_place.h"
#include "tools/ctrlparam/model_kinds.h"

namespace ctrlparam {

std::vector<Option> const& optionTable() {
  static std::vector<Option> const table{
      {"program", 'p', "P", "the program type: 0..11 or its name (ORIN_A ... BRAX_A, any case)"},
      {"model", 'm', "KINDS",
       "what the analysis model holds: a comma list of " + kindsText(allKinds(), ", ") +
           ", or all, or none (the default)"},
      {"options", 'i', "TEXT",
       "the stored options text to load first: the text, - for standard input, @FILE for a file"},
      {"set", 's', "FIELD=VALUE",
       "change one option as the inspector does (repeatable): a choice by name or number, true/false, "
       "a number with '.' as decimal point, empty to clear"},
      {"lang", 'l', "L", "keyword language of KELMAR: de or 0 (STEU, the default), en or 1 (CTRL)"},
      {"locale", 0, "NAME", "language of labels and of the upgrade report, for example de_DE.UTF-8"},
      {"line", 0, "N",
       "the text on line N of the input (1-based; a JSON text over lines counts from each of them); @FILE:N "
       "says the same"},
      {"strict", 0, nullptr, "fields that the program type's record cannot hold are an error"},
      {"lenient", 0, nullptr,
       "read a JSON text as the library does, naming each member it passes over in a warning"},
      {"json", 0, nullptr, "one JSON document instead of tab-separated lines"},
      {"changed", 0, nullptr, "only the options whose value differs from the default"},
      {"text", 0, nullptr, "only the stored text after the upgrade"},
      {"check", 0, nullptr, "only the report; exit 0 when the upgrade changes nothing, 1 when it does"},
      {"in-place", 0, nullptr,
       "write the resulting stored text into the file (-i @FILE) in place of the text --line names, or of "
       "every text --all takes; nothing on standard output"},
      {"all", 0, nullptr,
       "with --in-place: every text of the file whose fields belong to the program type's module alone"},
      {"dry-run", 0, nullptr, "with --in-place: say which texts would change, write nothing"},
      {"drop-foreign", 0, nullptr,
       "store a text back although its record loses what it cannot hold (fields of another module, "
       "bytes after the record, JSON members passed over)"},
      {"kelmar", 0, nullptr,
       "compare the KELMAR lines the two texts give (for --model and --lang) instead of the fields"},
      {"screenshot", 0, "FILE.png", "render the window into this PNG and exit"},
      {"width", 0, "PX", "the window's width in the screenshot (at least 200 pixels)"},
      {"help", 'h', nullptr, "this help, or the command's"},
      {"version", 0, nullptr, "the version of the tool"},
  };
  return table;
}

Option const* findOption(QString const& name, bool isLetter) {
  for (Option const& option : optionTable())
    if (isLetter ? (option.letter && name == QLatin1Char(option.letter)) : name == QLatin1String(option.name))
      return &option;
  return nullptr;
}

namespace {

using trv::control_param::ProgrammTypes;

ProgrammTypes parseProgram(QString const& text) {
  bool isNumber = false;
  int const value = text.toInt(&isNumber);
  if (isNumber && value >= 0 && value < trv::control_param::kProgrammTypeCount)
    return static_cast<ProgrammTypes>(value);
  for (int i = 0; i < trv::control_param::kProgrammTypeCount && !isNumber; ++i)
    if (text.compare(QLatin1String(trv::control_param::kProgrammTypeNames[i]), Qt::CaseInsensitive) == 0)
      return static_cast<ProgrammTypes>(i);
  throw UsageError("unknown program type '" + text.toStdString() +
                   "': 0..11 or a name that 'ctrlparam programs' lists");
}

// The keyword languages of KELMAR by their numbers.
constexpr char const* kLanguages[] = {"de", "en"};

int parseLanguage(QString const& text) {
  for (int language = 0; language < static_cast<int>(std::size(kLanguages)); ++language)
    if (text.compare(QLatin1String(kLanguages[language]), Qt::CaseInsensitive) == 0 ||
        text == QString::number(language))
      return language;
  throw UsageError("unknown keyword language '" + text.toStdString() + "' (de or 0, en or 1)");
}

int parseWidth(QString const& text) {
  bool ok = false;
  int const width = text.toInt(&ok);
  if (!ok || width < 200 || width > 10000)
    throw UsageError("--width needs a number of pixels from 200 to 10000, not '" + text.toStdString() + "'");
  return width;
}

int parseLine(QString const& text) {
  bool ok = false;
  int const line = text.toInt(&ok);
  if (!ok || line < 1)
    throw UsageError("--line needs a line number from 1 on, not '" + text.toStdString() + "'");
  return line;
}

// Whether a locale name ("de_DE.UTF-8", "fr", "C") names a language; its codeset and modifier are not
// looked at.
bool namesLanguage(QString const& name) {
  QString const base = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  if (base == QLatin1String("C") || base == QLatin1String("POSIX")) return true;
  return QLocale(base).language() != QLocale::C;
}

// Stores the option's value (or switch) into the context.
void apply(Option const& option, QString const& value, Context& context) {
  std::string const name = option.name;
  if (name == "program") context.program = parseProgram(value);
  if (name == "model") {
    context.model = value;
    context.modelGiven = true;
  }
  if (name == "options") context.options = value;
  if (name == "set") context.settings << value;
  if (name == "lang") context.language = parseLanguage(value);
  if (name == "locale") {
    context.locale = value;
    if (!namesLanguage(value))
      warn("unknown locale '" + value.toStdString() + "': labels and messages are shown in English");
  }
  if (name == "line") context.line = parseLine(value);
  if (name == "strict") context.strict = true;
  if (name == "lenient") context.lenient = true;
  if (name == "json") context.json = true;
  if (name == "changed") context.changed = true;
  if (name == "text") context.textOnly = true;
  if (name == "check") context.checkOnly = true;
  if (name == "in-place") context.inPlace = context.writesBack = true;
  if (name == "all") context.all = true;
  if (name == "dry-run") context.dryRun = true;
  if (name == "drop-foreign") context.dropForeign = true;
  if (name == "kelmar") context.kelmar = true;
  if (name == "screenshot") context.screenshot = value;
  if (name == "width") context.width = parseWidth(value);
}

}  // namespace

std::string synopsis(Command const& command) {
  std::string text = std::string("ctrlparam ") + command.name;
  for (char const* name : command.options) {
    Option const& option = *findOption(QLatin1String(name), false);
    std::string word = option.letter ? std::string("-") + option.letter : std::string("--") + option.name;
    if (option.value) word += std::string(" ") + option.value;
    bool const required = std::string(name) == "program" && !command.programOptional;
    text += required ? ' ' + word : " [" + word + ']';
    if (std::string(name) == "set") text += "...";
  }
  if (*command.operands) text += std::string(" ") + command.operands;
  return text;
}

std::vector<std::string> valueWords(Option const& option) {
  std::string const name = option.name;
  std::vector<std::string> words;
  if (name == "program")
    words.assign(std::begin(trv::control_param::kProgrammTypeNames),
                 std::end(trv::control_param::kProgrammTypeNames));
  if (name == "model") {
    words = {"all", "none"};
    for (ModelKind const& kind : kModelKinds) words.push_back(kind.name);
  }
  if (name == "lang") words.assign(std::begin(kLanguages), std::end(kLanguages));
  return words;
}

namespace {

// "-p, --program P": how help names an option.
std::string optionWords(Option const& option) {
  std::string words = option.letter ? std::string("-") + option.letter + ", --" : std::string("--");
  words += option.name;
  return option.value ? words + ' ' + option.value : words;
}

std::string optionLines(std::vector<char const*> const& names) {
  std::string lines;
  for (char const* name : names) {
    Option const& option = *findOption(QLatin1String(name), false);
    std::string head = (option.letter ? "  " : "      ") + optionWords(option);
    head.resize(std::max<std::size_t>(head.size() + 2, 26), ' ');
    // The help in lines of at most 100 characters, continued under its start.
    std::string line = head;
    std::string const help = option.help;
    for (std::size_t start = 0; start < help.size();) {
      std::size_t end = help.find(' ', start);
      if (end == std::string::npos) end = help.size();
      std::string const word = help.substr(start, end - start);
      if (line.size() > head.size() && line.size() + 1 + word.size() > 100) {
        lines += line + '\n';
        line = std::string(26, ' ');
      }
      line += (line.size() > head.size() && line.back() != ' ' ? " " : "") + word;
      start = end + 1;
    }
    lines += line + '\n';
  }
  return lines;
}

// The options of the command line, in order, and its positional arguments.
struct Given {
  std::vector<Option const*> options;
  QStringList positional;

  bool named(char const* name) const {
    return std::any_of(options.begin(), options.end(),
                       [&](Option const* option) { return std::string(option->name) == name; });
  }
};

// Reads the option at `arguments[i]` and its value (moving `i` past a value of its own) into the context;
// `given` holds the options read before it.
Option const& readOption(QStringList const& arguments, int& i, Context& context, Given const& given) {
  QString const argument = arguments[i];
  bool const isLong = argument.startsWith(QLatin1String("--"));
  int const equals = argument.indexOf(QLatin1Char('='));
  QString const name = isLong ? argument.mid(2, equals < 0 ? -1 : equals - 2) : argument.mid(1, 1);
  Option const* option = findOption(name, !isLong);
  if (!option)
    throw UsageError("unknown option '" +
                     (isLong ? argument.left(equals).toStdString() : "-" + name.toStdString()) + "'");
  std::optional<QString> value;
  if (isLong && equals >= 0) value = argument.mid(equals + 1);
  if (!isLong && argument.size() > 2) value = argument.mid(2);
  if (!option->value && value) throw UsageError(std::string("--") + option->name + " takes no value");
  if (option->value && !value) {
    if (++i == arguments.size())
      throw UsageError(std::string("--") + option->name + " needs a value " + option->value);
    value = arguments[i];
  }
  // --set repeats; every other option takes one value.
  if (option->value && std::string(option->name) != "set" && given.named(option->name))
    throw UsageError(std::string("--") + option->name + " is given twice; it takes one value");
  apply(*option, value.value_or(QString()), context);
  return *option;
}

Given readOptions(QStringList const& arguments, Context& context) {
  Given given;
  for (int i = 0; i < arguments.size(); ++i) {
    QString const argument = arguments[i];
    if (argument == QLatin1String("--")) {
      given.positional << arguments.mid(i + 1);
      break;
    }
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
      given.positional << argument;
    else
      given.options.push_back(&readOption(arguments, i, context, given));
  }
  return given;
}

// Refuses an option the command does not take, more arguments than it takes, and options that exclude each
// other.
void checkUsage(Command const& command, Context const& context, Given const& given) {
  for (Option const* option : given.options) {
    if (!command.takesOption(option->name))
      throw UsageError("the command '" + context.command.toStdString() + "' takes no --" + option->name);
  }
  if (context.arguments.size() > command.arguments)
    throw UsageError("the command '" + context.command.toStdString() + "' takes no argument '" +
                     context.arguments.at(command.arguments).toStdString() + "'");
  if (context.textOnly && context.checkOnly) throw UsageError("upgrade takes --text or --check, not both");
  checkInPlaceUsage(context);
  if (context.line && !context.options && !command.readsStandardInput)
    throw UsageError("--line names a text of the input, and no --options is given");
  if (std::string(command.name) == "diff" && !context.kelmar && (given.named("model") || given.named("lang")))
    throw UsageError("diff takes --model and --lang only with --kelmar");
}

}  // namespace

Request readArguments(QStringList const& arguments) {
  Request request;
  Context& context = request.context;
  Given const given = readOptions(arguments, context);
  if (given.named("version")) {
    // After a command's name too ("ctrlparam show --version"), but with nothing else.
    if (given.positional.size() > 1 || (given.positional.size() == 1 && !findCommand(given.positional[0])))
      throw UsageError("--version takes no argument '" + given.positional.back().toStdString() + "'");
    std::cout << versionText();
    request.done = true;
    return request;
  }
  QStringList positional = given.positional;
  if (positional.isEmpty()) {
    if (!given.named("help")) throw UsageError("no command given");
    std::cout << overviewHelp();
    request.done = true;
    return request;
  }
  context.command = positional.takeFirst();
  context.arguments = positional;
  request.command = findCommand(context.command);
  if (!request.command) throw UsageError("unknown command '" + context.command.toStdString() + "'");
  if (given.named("help")) {
    std::cout << commandHelp(*request.command);
    request.done = true;
    return request;
  }
  checkUsage(*request.command, context, given);
  return request;
}

std::string overviewHelp() {
  std::string text =
      "Usage: ctrlparam COMMAND [OPTION]... [ARGUMENT]...\n"
      "Reads, shows and checks the control options of analysis tasks through the control-parameter\n"
      "library, as the suite's front end does: stored options texts, KELMAR lines, inspector properties.\n"
      "\nCommands:\n";
  for (Command const* command : shownCommands()) {
    std::string head = std::string("  ") + command->name;
    head.resize(std::max<std::size_t>(head.size() + 2, 16), ' ');
    text += head + command->summaryText + '\n';
  }
  std::vector<char const*> all;
  for (Option const& option : optionTable()) all.push_back(option.name);
  text +=
      "\nOptions:\n" + optionLines(all) +
      "  Every long option also takes its value as --name=VALUE (needed where it begins with -).\n"
      "  'ctrlparam help COMMAND' or 'ctrlparam COMMAND --help' shows what a command takes.\n"
      "\nInput:\n"
      "  A Base64 text holds only A-Z, a-z, 0-9, +, / and = padding at its end; a text starting with {\n"
      "  is JSON and may span lines. An input holding several texts uses the first (with a warning) or\n"
      "  the one on the line that --line N or @FILE:N names. Fields that the program type's record cannot\n"
      "  hold and bytes after the record are named in a warning (an error with --strict); JSON members\n"
      "  that are no field, unknown choices, values of the wrong type or range, duplicates and a second\n"
      "  object are refused (warnings with --lenient). A text wrapped over lines is refused.\n"
      "\nExit status:\n"
      "  0 done, 1 the library or the input failed (or the output could not be written), 2 wrong usage.\n"
      "  diff and upgrade --check as diff(1): 0 equal, 1 different, 2 trouble.\n"
      "\nExamples:\n";
  for (Command const* command : shownCommands()) text += std::string("  ") + command->exampleText + '\n';
  return text;
}

std::string commandHelp(Command const& command) {
  std::string text = "Usage: " + synopsis(command) + "\n" + command.description + '\n';
  if (!command.options.empty()) text += "\nOptions:\n" + optionLines(command.options);
  return text + "\nExample:\n  " + command.exampleText + '\n';
}

std::string versionText() {
  return std::string("ctrlparam ") + TRV_PROJECT_VERSION + '\n';
}

}  // namespace ctrlparam
