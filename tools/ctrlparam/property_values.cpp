#include "tools/ctrlparam/property_values.h"

#include <QStringList>

#include "host/trv_qt2/ValueText.h"
#include "lib/properties/control_param/src/program_records.h"
#include "tools/ctrlparam/context.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;

std::shared_ptr<trv::properties::Property> findProperty(trv::properties::Properties const& properties,
                                                        std::string const& id) {
  for (auto const& property : properties.list())
    if (property->id == id) return property;
  throw Failure("no property '" + id + "' for this program type and model");
}

// A choice by enumerator name, or by the number of an enumerator.
template <typename E>
boost::any choiceValue(std::string const& field, QString const& text) {
  E value{};
  if (reflection::enumerator_value(text.toStdString(), value)) return value;
  bool isNumber = false;
  int const number = text.trimmed().toInt(&isNumber);
  if (isNumber && reflection::enumerator_name(static_cast<E>(number))) return static_cast<E>(number);
  throw Failure("unknown enumerator '" + text.toStdString() + "' of " + field);
}

// The value of `text` for the field `id` of the record of `type`.
boost::any fieldValue(ProgrammTypes type, trv::properties::Property const& property, QString const& text) {
  boost::any value;
  bool isChoice = false;
  visitRecordType(type, [&](auto tag) {
    reflection::visit_field<typename decltype(tag)::type>(property.id, [&](auto field) {
      using T = typename decltype(field)::value_type;
      if constexpr (reflection::is_schema_enum_v<T>) {
        isChoice = true;
        value = choiceValue<T>(property.id, text);
      }
    });
  });
  if (isChoice) return value;
  // One convention whatever the locale: "." as the decimal point, an optional exponent, no group separators.
  QString reason;
  auto parsed = trv::qt::parseText(*property.meta, text, trv::qt::numberLocale("C"), &reason);
  if (!parsed)
    throw Failure("cannot read '" + text.toStdString() + "' as a value of " + property.id + ": " +
                  reason.toStdString());
  return *parsed;
}

}  // namespace

std::vector<Setting> readSettings(QStringList const& settings, trv::properties::Properties const& properties,
                                  ProgrammTypes type) {
  std::vector<Setting> result;
  for (QString const& setting : settings) {
    int const equals = setting.indexOf(QLatin1Char('='));
    if (equals < 0) throw UsageError("--set needs FIELD=VALUE, not '" + setting.toStdString() + "'");
    auto property = findProperty(properties, setting.left(equals).toStdString());
    boost::any value = fieldValue(type, *property, setting.mid(equals + 1));
    result.push_back({std::move(property), std::move(value)});
  }
  return result;
}

}  // namespace ctrlparam
