#include "tools/ctrlparam/commands.h"

#include <iostream>

#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "lib/properties/control_param/src/program_records.h"
#include "tools/ctrlparam/record_text.h"

namespace ctrlparam {

QString inputText(QString const& argument);

namespace {

using namespace trv::control_param;

void print(QString const& text) {
  std::cout << text.toStdString();
}

// The keyword language: "de" 0, "en" 1, or any integer, passed to the library unchanged.
int keywordLanguage(QString const& text) {
  if (text.compare(QLatin1String("de"), Qt::CaseInsensitive) == 0) return 0;
  if (text.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) return 1;
  bool ok = false;
  int const language = text.toInt(&ok);
  if (!ok) throw UsageError("unknown keyword language '" + text.toStdString() + "'");
  return language;
}

}  // namespace

int programs(Context const&) {
  for (int value = 0; value < kProgrammTypeCount; ++value) {
    auto const type = static_cast<ProgrammTypes>(value);
    visitRecordType(type, [&](auto tag) {
      std::cout << value << '\t' << kProgrammTypeNames[value] << '\t'
                << moduleName<typename decltype(tag)::type>() << '\n';
    });
  }
  return 0;
}

int show(Context const& context) {
  Data data = makeTask(context);
  std::cout << recordLines(data, context.requireProgram(), context.changed);
  return 0;
}

int json(Context const& context) {
  Data data = makeTask(context);
  std::cout << recordJson(data, context.requireProgram()) << '\n';
  return 0;
}

int store(Context const& context) {
  Data data = makeTask(context);
  print(data.getXMLData());
  return 0;
}

int kelmar(Context const& context) {
  int const language = keywordLanguage(context.language);
  Data data = makeTask(context);
  for (QString const& line : data.getKELMAR(language)) print(line + QLatin1Char('\n'));
  return 0;
}

// Exit status as diff(1): 0 equal, 1 different, 2 trouble (a text that does not load is trouble too).
int diff(Context const& context) {
  if (context.arguments.size() != 2) throw UsageError("diff needs two stored texts A and B");
  auto load = [&](QString const& text) {
    Context one = context;
    one.options = text;
    try {
      return makeTask(one);
    } catch (UsageError const&) {
      throw;
    } catch (std::exception const& error) {
      throw UsageError(text.toStdString() + ": " + error.what());
    }
  };
  Data a = load(context.arguments[0]);
  Data b = load(context.arguments[1]);
  std::string const lines = recordDiff(a, b, context.requireProgram());
  std::cout << lines;
  return lines.empty() ? 0 : 1;
}

int upgrade(Context const& context) {
  Data data = makeTask(context);
  trv::logging::UILogEntryCollectorSink sink;
  data.test4upgrade(sink);
  for (auto const& entry : sink.entries()) std::cout << entry.message << '\n';
  data.upgrade();
  print(data.getXMLData());
  return 0;
}

int calcMethod(Context const& context) {
  QString const source = context.arguments.isEmpty() ? QStringLiteral("-") : context.arguments.first();
  QString const xml = inputText(source == QLatin1String("-") ? source : QLatin1Char('@') + source);
  std::cout << Data::getCalculationMethod(xml) << '\n';
  return 0;
}

}  // namespace ctrlparam
