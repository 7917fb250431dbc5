#include "tools/ctrlparam/property_values.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "host/trv_qt2/ValueText.h"
#include "lib/properties/control_param/src/program_records.h"
#include "serialization/json_parser.h"
#include "tools/ctrlparam/context.h"
#include "tools/ctrlparam/records.h"
#include "tools/ctrlparam/task.h"

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
  std::string choices;
  for (auto const& [choice, name] : reflection::enum_traits<E>::maps.value_to_name)
    choices +=
        (choices.empty() ? "" : ", ") + name + " (" + std::to_string(static_cast<std::int32_t>(choice)) + ')';
  throw Failure("unknown enumerator '" + text.toStdString() + "' of " + field + "; choices: " + choices);
}

// Why a number text in the tool's convention is no real number although it looks like one: beyond the
// range of a double, or below its smallest value (empty: neither).
std::string realRangeProblem(QString const& text) {
  static QRegularExpression const number(
      QStringLiteral("^[+-]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][+-]?[0-9]+)?$"));
  QString const trimmed = text.trimmed();
  if (!number.match(trimmed).hasMatch()) return {};
  std::string const digits = trimmed.toStdString();
  bool ok = false;
  double const value = QLocale::c().toDouble(trimmed, &ok);
  if (ok && std::isfinite(value) && (value != 0 || !trv::serialization::simple_json::isTinyNumber(digits)))
    return {};
  return trv::serialization::simple_json::isTinyNumber(digits)
             ? digits + " is below the smallest real number"
             : digits + " is beyond the range of a real number";
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
  bool isReal = false;
  visitRecordType(type, [&](auto tag) {
    reflection::visit_field<typename decltype(tag)::type>(property.id, [&](auto field) {
      using T = typename decltype(field)::value_type;
      isReal = std::is_same_v<T, double> || std::is_same_v<T, nullable<double>>;
    });
  });
  if (std::string const problem = isReal ? realRangeProblem(text) : ""; !problem.empty())
    throw Failure("cannot read '" + text.toStdString() + "' as a value of " + property.id + ": " + problem);
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
    requireField(type, setting.left(equals));
    auto property = findProperty(properties, setting.left(equals).toStdString());
    boost::any value = fieldValue(type, *property, setting.mid(equals + 1));
    result.push_back({std::move(property), std::move(value)});
  }
  return result;
}

std::unique_ptr<trv::properties::QtInspectorWidget> makeInspector(Data& data) {
  return std::unique_ptr<trv::properties::QtInspectorWidget>(data.createPropertyInspector(nullptr));
}

trv::ObjectKey const& shownKey(trv::properties::QtInspectorWidget const& inspector) {
  auto const& selected = inspector.selectionManager()->selected;
  if (selected.empty()) throw Failure("the inspector shows no object");
  return *selected.begin();
}

std::vector<std::string> programOptions(Context const& context) {
  QString defaults;
  visitRecordType(context.requireProgram(),
                  [&](auto tag) { defaults = data::encodeRecord(typename decltype(tag)::type{}); });
  Data data = makeTask(context, allKinds(), defaults);
  std::vector<std::string> names;
  for (auto const& property : makeInspector(data)->properties()->list()) names.push_back(property->id);
  return names;
}

void applySettings(Context const& context, Data& data) {
  if (context.settings.isEmpty()) return;
  auto const inspector = makeInspector(data);
  auto const settings = readSettings(context.settings, *inspector->properties(), context.requireProgram());
  trv::ObjectKey const key = shownKey(*inspector);
  for (auto const& setting : settings)
    if (!setting.property->setValue(key, setting.value))
      throw Failure("the value of " + setting.property->id + " was refused");
}

}  // namespace ctrlparam
