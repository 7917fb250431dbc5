#include "tools/ctrlparam/commands.h"

#include <iostream>

#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "lib/properties/control_param/src/program_records.h"
#include "tools/ctrlparam/record_text.h"

namespace ctrlparam {

QString inputText(QString const& argument);

namespace {

using namespace trv::control_param;

void print(QString const& text) { std::cout << text.toStdString(); }

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

void programs(Context const&) {
  for (int value = 0; value < kProgrammTypeCount; ++value) {
    auto const type = static_cast<ProgrammTypes>(value);
    visitRecordType(type, [&](auto tag) {
      std::cout << value << '\t' << kProgrammTypeNames[value] << '\t'
                << moduleName<typename decltype(tag)::type>() << '\n';
    });
  }
}

void show(Context const& context) {
  Data data = makeTask(context);
  std::cout << recordLines(data, context.requireProgram());
}

void json(Context const& context) {
  Data data = makeTask(context);
  std::cout << recordJson(data, context.requireProgram()) << '\n';
}

void store(Context const& context) {
  Data data = makeTask(context);
  print(data.getXMLData());
}

void kelmar(Context const& context) {
  int const language = keywordLanguage(context.language);
  Data data = makeTask(context);
  for (QString const& line : data.getKELMAR(language)) print(line + QLatin1Char('\n'));
}

void upgrade(Context const& context) {
  Data data = makeTask(context);
  trv::logging::UILogEntryCollectorSink sink;
  data.test4upgrade(sink);
  for (auto const& entry : sink.entries()) std::cout << entry.message << '\n';
  data.upgrade();
  print(data.getXMLData());
}

void calcMethod(Context const& context) {
  if (context.arguments.size() > 1) throw UsageError("calc-method takes at most one FILE");
  QString const source = context.arguments.isEmpty() ? QStringLiteral("-") : context.arguments.first();
  QString const xml = inputText(source == QLatin1String("-") ? source : QLatin1Char('@') + source);
  std::cout << Data::getCalculationMethod(xml) << '\n';
}

}  // namespace ctrlparam
