#include "tools/ctrlparam/record_commands.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

#include <QString>

#include "lib/properties/control_param/src/kelmar_values.h"
#include "tools/ctrlparam/in_place.h"
#include "tools/ctrlparam/property_values.h"
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
  // Only --changed and --json tell which fields are options (the inspector's properties).
  ShownFields shown{context.changed || context.json ? programOptions(context) : std::vector<std::string>{},
                    context.changed,
                    {}};
  for (QString const& field : context.arguments) {
    requireField(type, field);
    shown.names.push_back(field.toStdString());
  }
  Data data = makeTask(context);
  std::cout << (context.json ? recordLinesJson(data, type, shown) : recordLines(data, type, shown));
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

// The stored text after the named options (every option of the program type when none is named) are back at
// their defaults. A field of the record that the program type's inspector never shows is no option of it and
// keeps its value.
int reset(Context const& context) {
  ProgrammTypes const type = context.requireProgram();
  std::vector<std::string> const options = programOptions(context);
  std::vector<QString> fields;
  for (QString const& field : context.arguments) {
    requireField(type, field);
    if (std::find(options.begin(), options.end(), field.toStdString()) == options.end())
      throw Failure("'" + field.toStdString() + "' is no option of " + kProgrammTypeNames[type] +
                    ": its inspector has no property for it");
    fields.push_back(field);
  }
  if (fields.empty())
    for (std::string const& option : options) fields.push_back(QString::fromStdString(option));
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
