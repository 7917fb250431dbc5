// Making the task a command works on, as a host does: model first, then the Data, then its options; and the
// options text read from its input and checked before and after the library reads it.

#include "tools/ctrlparam/task.h"

#include <algorithm>

#include "host/trv_properties_qt/label_language.h"
#include "tools/ctrlparam/file_names.h"
#include "tools/ctrlparam/property_values.h"
#include "tools/ctrlparam/record_fit.h"

namespace ctrlparam {
namespace {

using trv::control_param::kProgrammTypeNames;

constexpr int kDatabaseHandle = 1;

// Whether the bytes are UTF-16 rather than UTF-8: a UTF-16 byte order mark, or NUL bytes on the same side of
// each pair, as in UTF-16 without one (looked at in the first few characters).
bool isUtf16(QByteArray const& bytes) {
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) return true;
  int const pairs = std::min(bytes.size(), 64) / 2;
  bool first = pairs > 0, second = pairs > 0;
  for (int i = 0; i < pairs; ++i) {
    first = first && bytes[2 * i] == '\0';
    second = second && bytes[2 * i + 1] == '\0';
  }
  return first || second;
}

std::string joined(std::vector<std::string> const& parts, char const* separator) {
  std::string text;
  for (std::string const& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

}  // namespace

QByteArray inputBytes(QString const& argument) {
  if (argument == QLatin1String("-")) return readStandardInput();
  if (argument.startsWith(QLatin1Char('@'))) return readFile(argument.mid(1));
  return systemBytes(argument);
}

QString inputText(QString const& argument) {
  QByteArray const bytes = inputBytes(argument);
  if (argument.startsWith(QLatin1Char('@')) && isUtf16(bytes))
    throw Failure(readableName(argument.mid(1)) + " is UTF-16; save it as UTF-8");
  if (argument == QLatin1String("-") && isUtf16(bytes))
    throw Failure("standard input is UTF-16; give it as UTF-8");
  return QString::fromUtf8(bytes.constData(), bytes.size());
}

std::string LoadedText::where(int line) const {
  if (named) return source + ':' + std::to_string(line) + ": ";
  if (several) return (source.empty() ? "line " : source + ':') + std::to_string(line) + ": ";
  return source.empty() ? "" : source + ": ";
}

LoadedText loadText(QString const& argument, Context const& context, std::string const& label) {
  if (argument != QLatin1String("-") && !argument.startsWith(QLatin1Char('@')) && isFile(argument))
    throw UsageError("'" + readableName(argument) + "' is a file name; give it as @" +
                     readableName(argument));
  LoadedText loaded;
  loaded.named = argument == QLatin1String("-") || argument.startsWith(QLatin1Char('@'));
  loaded.source = argument == QLatin1String("-") ? "standard input"
                  : loaded.named                 ? readableName(argument.mid(1))
                                                 : label;
  if (argument.startsWith(QLatin1Char('@'))) loaded.fileName = systemBytes(argument.mid(1));
  std::string const whole = loaded.source.empty() ? "" : loaded.source + ": ";
  QString const input = inputText(argument);
  std::vector<OptionsText> texts;
  try {
    texts = splitTexts(input);
  } catch (CheckError const& error) {
    loaded.several = input.trimmed().contains(QLatin1Char('\n'));
    throw Failure(loaded.where(error.line) + error.what());
  }
  if (texts.empty()) throw Failure(whole + "the options text is empty");
  loaded.several = texts.size() > 1;
  std::size_t const chosen = context.line ? static_cast<std::size_t>(*context.line) : 1;
  if (chosen > texts.size())
    throw Failure(whole + "there is no text " + std::to_string(chosen) + "; the input holds " +
                  std::to_string(texts.size()));
  if (texts.size() > 1 && !context.line)
    warn((loaded.source.empty() ? "the options text" : loaded.source) + " holds " +
         std::to_string(texts.size()) + " texts, one a line; the first is used (choose one with --line N)");
  loaded.text = texts[chosen - 1];
  if (!loaded.text.problem.empty()) throw Failure(loaded.where(loaded.text.line) + loaded.text.problem);
  return loaded;
}

void loadInto(trv::control_param::Data& data, LoadedText const& loaded, Context const& context) {
  auto const type = context.requireProgram();
  std::string const name = kProgrammTypeNames[type];
  std::string const where = loaded.where(loaded.text.line);
  Fits fits;
  try {
    fits = fitsOf(loaded.text);
  } catch (std::exception const& error) {
    throw Failure(where + "not an options text of " + name + ": " + error.what());
  }
  Fit const& fit = fits.modules[static_cast<std::size_t>(moduleOf(type))];
  std::string const fitting = programList(fittingPrograms(fits));
  for (Refusal const& refusal : fit.refused) {
    std::string const member = "member '" + refusal.member + "'";
    if (!context.lenient)
      throw Failure(where + member + ": " + refusal.reason +
                    (fitting == "no program type" ? "" : " (the text fits " + fitting + ")"));
    warn(where + (refusal.readAs.empty() ? member + " is passed over: " + refusal.reason
                                         : member + ": " + refusal.reason + "; read as " + refusal.readAs));
  }
  if (loaded.text.secondObjectLine) {
    std::string const second = loaded.where(loaded.text.secondObjectLine) +
                               "a second JSON object at column " +
                               std::to_string(loaded.text.secondObjectColumn);
    if (!context.lenient) throw Failure(second + "; a text holds one object");
    warn(second + " is passed over");
  }
  try {
    data.insertXMLData(loaded.text.text);
  } catch (std::exception const& error) {
    throw Failure(where + "not an options text of " + name + ": " + error.what());
  }
  if (!fits.parsed)
    throw Failure(where + "not an options text of " + name + ": the JSON text does not parse");
  if (fit.foreign.empty()) return;
  std::string const message = where + "fields that " + name + " cannot hold: " + joined(fit.foreign, "; ") +
                              (fitting == "no program type" ? "; no program type holds the whole text"
                                                            : "; the whole text fits " + fitting);
  if (context.strict) throw Failure(message);
  warn(message);
}

void applyLocale(Context const& context) {
  trv::properties::chooseLabelLanguage(context.locale ? context.locale->toStdString() : std::string());
}

trv::control_param::Data makeTask(Context const& context, std::optional<LoadedText>* loaded) {
  auto const type = context.requireProgram();
  trv::dbo::standin::setModel(kDatabaseHandle, parseModel(context.model));
  applyLocale(context);
  trv::control_param::Data data(type, kDatabaseHandle);
  if (context.options) {
    LoadedText text = loadText(*context.options, context, "");
    loadInto(data, text, context);
    if (loaded) *loaded = std::move(text);
  }
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
