#include "tools/ctrlparam/record_commands.h"

#include <iostream>
#include <stdexcept>

#include <QString>

#include "lib/properties/control_param/src/kelmar_values.h"
#include "tools/ctrlparam/in_place.h"
#include "tools/ctrlparam/record_text.h"
#include "tools/ctrlparam/records.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using trv::control_param::data::encodeRecord;

void print(QString const& text) {
  std::cout << text.toStdString();
}

std::vector<QString> kelmarLines(Data& data, int language) {
  return data.getKELMAR(language);
}

// Warnings about what the KELMAR lines do not say: a changed option they leave out (the lines are the same
// with the option at its default) and a real value written with fewer digits than it has.
void kelmarWarnings(Context const& context, Data& data, std::vector<QString> const& lines) {
  ProgrammTypes const type = context.requireProgram();
  auto const kinds = parseModel(context.model);
  std::string unwritten;
  visitRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const record = readRecord<Record>(data);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      auto const& value = Field::member(record);
      if (!reflection::is_option(Field::metadata) || value == Field::default_value) return;
      Record atDefault = record;
      Field::member(atDefault) = Field::default_value;
      Data other = makeTask(context, kinds, encodeRecord(atDefault));
      std::string const name = Field::metadata.name;
      if (kelmarLines(other, context.language) == lines) {
        unwritten += (unwritten.empty() ? "" : ", ") + name;
        return;
      }
      if constexpr (std::is_same_v<std::decay_t<decltype(value)>, nullable<double>>) {
        QString const written = trv::control_param::data::valueText(*value);
        if (std::isfinite(*value) && written.toDouble() != *value)
          warn(name + ' ' + realText(*value) + " is written as " + written.toStdString());
      }
    });
  });
  if (!unwritten.empty())
    warn("changed but not written for " + std::string(kProgrammTypeNames[type]) +
         " with this model: " + unwritten);
}

}  // namespace

int show(Context const& context) {
  ProgrammTypes const type = context.requireProgram();
  std::vector<std::string> names;
  for (QString const& field : context.arguments) {
    requireField(type, field);
    names.push_back(field.toStdString());
  }
  Data data = makeTask(context);
  std::cout << (context.json ? recordLinesJson(data, type, context.changed, names)
                             : recordLines(data, type, context.changed, names));
  return 0;
}

int json(Context const& context) {
  Data data = makeTask(context);
  std::cout << recordJson(data, context.requireProgram()) << '\n';
  return 0;
}

int store(Context const& context) {
  auto const stored = [](Data& data) { return data.getXMLData(); };
  if (context.inPlace) return changeInPlace(context, stored);
  Data data = makeTask(context);
  print(stored(data));
  return 0;
}

// The stored text after the named options (every option when none is named) are back at their defaults.
int reset(Context const& context) {
  for (QString const& field : context.arguments) requireField(context.requireProgram(), field);
  std::vector<QString> const fields(context.arguments.begin(), context.arguments.end());
  auto const reset = [&fields](Data& data) {
    try {
      data.resetToDefaults(fields);
    } catch (std::invalid_argument const& error) {
      throw Failure(error.what());
    }
    return data.getXMLData();
  };
  if (context.inPlace) return changeInPlace(context, reset);
  Data data = makeTask(context);
  print(reset(data));
  return 0;
}

int kelmar(Context const& context) {
  Data data = makeTask(context);
  std::vector<QString> const lines = kelmarLines(data, context.language);
  for (QString const& line : lines) print(line + QLatin1Char('\n'));
  kelmarWarnings(context, data, lines);
  return 0;
}

}  // namespace ctrlparam
