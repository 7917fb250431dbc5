// Making the task a command works on, as a host does: model first, then the Data, then its options; and the
// options text read from its input and checked before and after the library reads it.

#include "tools/ctrlparam/task.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>

#include "host/trv_properties_qt/label_language.h"
#include "tools/ctrlparam/command_table.h"
#include "tools/ctrlparam/file_names.h"
#include "tools/ctrlparam/property_values.h"

namespace ctrlparam {
namespace {

using trv::control_param::kProgrammTypeNames;

constexpr int kDatabaseHandle = 1;

// Which program types hold all of `what` ("the whole text", "the record"), as a message ends: "the whole
// text fits ORIN_A, ORIN_B" or "no program type holds the whole text".
std::string holders(std::vector<trv::control_param::ProgrammTypes> const& fitting, std::string const& what) {
  return fitting.empty() ? "no program type holds " + what : what + " fits " + programList(fitting);
}

// Refuses a text whose record, stored again, would lose something the text holds, naming what.
void refuseLoss(LoadedText const& loaded, Context const& context) {
  auto const type = context.requireProgram();
  ModuleReading const& module = loaded.reading.of(type);
  if (!module.loses() || module.first(Finding::Kind::Bad)) return;
  std::string lost;
  for (Finding const& finding : module.findings)
    if (!finding.kept) lost += (lost.empty() ? "" : "; ") + finding.message;
  throw Failure(loaded.where(loaded.text().line) + "stored again as " + kProgrammTypeNames[type] +
                ", the text would lose what its record cannot hold: " + lost + "; " +
                holders(loaded.reading.fitting(), "the whole text") +
                " (--drop-foreign stores it without them)");
}

// How the user of the context's command names one text of a file: --line, or @FILE:N where the command
// takes no --line (diff, whose two operands may name two lines of one file).
std::string lineChoice(Context const& context) {
  Command const* const command = findCommand(context.command);
  return command && !command->takesOption("line") ? "@FILE:N" : "--line N";
}

// The task of the context's program type, nothing loaded yet.
trv::control_param::Data newTask(Context const& context) {
  trv::dbo::standin::setModel(kDatabaseHandle, parseModel(context.model));
  applyLocale(context);
  return trv::control_param::Data(context.requireProgram(), kDatabaseHandle);
}

}  // namespace

QByteArray inputBytes(QString const& argument) {
  if (argument == QLatin1String("-")) return readStandardInput();
  if (argument.startsWith(QLatin1Char('@'))) return readFile(argument.mid(1));
  return systemBytes(argument);
}

std::string optionsInput(QString const& argument) {
  QByteArray const bytes = inputBytes(argument);
  if (argument.startsWith(QLatin1Char('@')) &&
      isUtf16(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    throw Failure(readableName(argument.mid(1)) + " is UTF-16; save it as UTF-8");
  if (argument == QLatin1String("-") &&
      isUtf16(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    throw Failure("standard input is UTF-16; give it as UTF-8");
  return bytes.toStdString();
}

std::string LoadedText::where(int line) const {
  if (named) return source + ':' + std::to_string(line) + ": ";
  if (texts.size() > 1 || (line > 1 && !asGiven))
    return (source.empty() ? "line " : source + ':') + std::to_string(line) + ": ";
  return source.empty() ? "" : source + ": ";
}

InputArgument inputArgument(QString const& argument) {
  if (!argument.startsWith(QLatin1Char('@')) || isFile(argument.mid(1))) return {argument, std::nullopt};
  int const colon = argument.lastIndexOf(QLatin1Char(':'));
  bool isNumber = false;
  int const line = colon > 1 ? argument.mid(colon + 1).toInt(&isNumber) : 0;
  if (!isNumber || !argument.mid(colon + 1).front().isDigit()) return {argument, std::nullopt};
  if (line < 1)
    throw UsageError("@FILE:N needs a line number from 1 on, not '" + argument.mid(colon + 1).toStdString() +
                     "'");
  return {argument.left(colon), line};
}

LoadedText readInput(QString const& argument, std::string const& label) {
  bool const isStdin = argument == QLatin1String("-");
  if (!isStdin && !argument.startsWith(QLatin1Char('@')) && isFile(argument))
    throw UsageError("'" + readableName(argument) + "' is a file name; give it as @" +
                     readableName(argument));
  LoadedText loaded;
  loaded.named = isStdin || argument.startsWith(QLatin1Char('@'));
  loaded.asGiven = !loaded.named;
  loaded.source = isStdin ? "standard input" : loaded.named ? readableName(argument.mid(1)) : label;
  if (argument.startsWith(QLatin1Char('@'))) loaded.fileName = systemBytes(argument.mid(1));
  loaded.input = optionsInput(argument);
  loaded.texts = cutInput(loaded.input);
  if (loaded.texts.empty())
    throw Failure((loaded.source.empty() ? "" : loaded.source + ": ") + "the options text is empty");
  return loaded;
}

LoadedText loadText(QString const& given, Context const& context, std::string const& label) {
  auto const [argument, lineOfName] = inputArgument(given);
  if (lineOfName && context.line)
    throw UsageError("the line is given twice, as " + readableName(given) + " and as --line; give one");
  std::optional<int> const line = lineOfName ? lineOfName : context.line;
  LoadedText loaded = readInput(argument, label);
  std::string const whole = loaded.source.empty() ? "" : loaded.source + ": ";
  InputReadings readings(loaded.texts);
  if (line) {
    int const index = textOnLine(loaded.texts, *line);
    if (index < 0) {
      std::vector<int> const starts = readings.startLines();
      throw Failure(whole + "line " + std::to_string(*line) + " holds no text; texts start on line" +
                    (starts.size() > 1 ? "s " : " ") + lineList(starts));
    }
    loaded.chosen = static_cast<std::size_t>(index);
  }
  if (auto const wrapped = readings.wrappedAround(loaded.chosen))
    throw Failure(loaded.where(loaded.text().line) + wrapped->refusal());
  if (std::vector<int> const starts =
          line || loaded.texts.size() < 2 ? std::vector<int>{} : readings.startLines();
      starts.size() > 1)
    warn((loaded.source.empty() ? "the options text" : loaded.source) + " holds " +
         std::to_string(starts.size()) + " texts, on lines " + lineList(starts) +
         "; the first is used (choose one with " + lineChoice(context) + ")");
  loaded.reading = readings.of(loaded.chosen);
  return loaded;
}

void warnBlanksBeforeBrace(LoadedText const& loaded) {
  if (loaded.text().blanksBeforeBrace)
    warn(loaded.where(loaded.text().line) +
         "blanks stand before the '{': the system itself reads such a text as Base64, so a project file "
         "holding it does not load as meant");
}

QString optionsOrStandardInput(Context const& context) {
  if (!context.options && isatty(STDIN_FILENO))
    throw UsageError(context.command.toStdString() +
                     " reads standard input without -i, and standard input is a terminal; give the "
                     "text as -i TEXT, -i @FILE or through a pipe");
  return context.options.value_or(QStringLiteral("-"));
}

void judge(LoadedText const& loaded, Context const& context) {
  auto const type = context.requireProgram();
  std::string const name = kProgrammTypeNames[type];
  ModuleReading const& module = loaded.reading.of(type);
  std::vector<trv::control_param::ProgrammTypes> const fitting = loaded.reading.fitting();
  std::string const fits = fitting.empty() ? "" : " (the text fits " + programList(fitting) + ")";
  if (Finding const* bad = module.first(Finding::Kind::Bad)) {
    // A name given without its "@" that names no file either.
    bool const fileHint = loaded.asGiven && loaded.text().text.contains(QLatin1Char('.')) &&
                          bad->message.find("no Base64") != std::string::npos;
    throw Failure(loaded.where(*bad) + bad->message +
                  (fileHint ? "; no file of that name either; a file is given as @FILE" : ""));
  }
  for (Finding const& finding : module.findings) {
    if (finding.kind != Finding::Kind::Refused) continue;
    if (!context.lenient && !context.dropForeign)
      throw Failure(loaded.where(finding) + finding.message + fits);
    warn(loaded.where(finding) + finding.lenient);
  }
  warnBlanksBeforeBrace(loaded);
  // What --strict refuses is otherwise a warning; both name the program types that hold the whole text.
  auto const refuseOrWarn = [&](std::string const& message) {
    if (context.strict) throw Failure(message);
    warn(message);
  };
  std::string foreign;
  for (Finding const& finding : module.findings)
    if (finding.kind == Finding::Kind::Foreign) foreign += (foreign.empty() ? "" : "; ") + finding.message;
  if (!foreign.empty())
    refuseOrWarn(loaded.where(loaded.text().line) + "fields that " + name + " cannot hold: " + foreign +
                 "; " + holders(fitting, "the whole text"));
  if (Finding const* trailing = module.first(Finding::Kind::Trailing)) {
    std::string record = holders(fitting, "the record");  // a sentence of its own after the message's '?'
    record[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(record[0])));
    refuseOrWarn(loaded.where(*trailing) + trailing->message + " " + record);
  }
}

void loadInto(trv::control_param::Data& data, LoadedText const& loaded, Context const& context) {
  if (context.writesBack && !context.dropForeign) refuseLoss(loaded, context);
  judge(loaded, context);
  try {
    data.insertXMLData(loaded.text().text);
  } catch (std::exception const& error) {
    throw Failure(loaded.where(loaded.text().line) + "not an options text of " +
                  kProgrammTypeNames[context.requireProgram()] + ": " + error.what());
  }
}

void applyLocale(Context const& context) {
  trv::properties::chooseLabelLanguage(context.locale ? context.locale->toStdString() : std::string());
}

trv::control_param::Data makeTask(Context const& context, std::optional<LoadedText>* loaded) {
  trv::control_param::Data data = newTask(context);
  if (context.options) {
    LoadedText text = loadText(*context.options, context, "");
    loadInto(data, text, context);
    if (loaded) *loaded = std::move(text);
  }
  applySettings(context, data);
  return data;
}

trv::control_param::Data makeTask(Context const& context, LoadedText const& loaded) {
  trv::control_param::Data data = newTask(context);
  loadInto(data, loaded, context);
  applySettings(context, data);
  return data;
}

trv::control_param::Data makeTask(Context const& context, trv::dbo::standin::ElementKinds kinds,
                                  QString const& text) {
  static int handle = kDatabaseHandle;
  trv::dbo::standin::setModel(++handle, kinds);
  trv::control_param::Data data(context.requireProgram(), handle);
  data.insertXMLData(text);
  return data;
}

}  // namespace ctrlparam
