#pragma once
// Inspector properties built from the fields of an option record: one property per field that carries a
// "DisplayName", with labels, layout hints, the editor and validator settings of its value type, and value
// access bound to the record stored in the model.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

#include <QString>
#include <boost/any.hpp>

#include "container/model/Model.h"
#include "container/model/change.h"
#include "host/trv_properties_qt/Configuration.h"
#include "host/trv_properties_qt/PropertyMeta.h"
#include "host/trv_properties_qt/configure_xlator.h"
#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"
#include "properties/qt/inc/nextgen/detail/shared_meta.h"
#include "properties/qt/inc/nextgen/meta_tree.h"
#include "properties/qt/inc/nextgen/property_attributes.h"
#include "properties/qt/inc/nextgen/value_functions.h"
#include "translation/Xlator.h"

namespace trv::properties::nextgen {

template <typename T>
inline constexpr bool kAlwaysFalse = false;

// The type a field's value travels as: the field type, or the element type of an optional.
template <typename T>
struct TravelType {
  using type = T;
};
template <typename T>
struct TravelType<control_param::nullable<T>> {
  using type = T;
};

template <typename T>
ValidatorKind validatorKind() {
  return {std::type_index(typeid(T)), std::string()};
}

// "MaximumValue" / "MinimumValue" converted to `T` (int32 by truncation toward zero, bool as nonzero);
// false, after a report, when the text is no number or the number does not fit `T`.
template <typename T>
bool convertBound(std::string const& text, control_param::ReportPosition reportPosition, T& bound) {
  long double number = 0;
  try {
    number = std::stold(text);
  } catch (std::invalid_argument const&) {
    reportConversionFailed(reportPosition);
    return false;
  } catch (std::out_of_range const&) {
    reportConversionFailed(reportPosition);
    return false;
  }
  if constexpr (std::is_same_v<T, bool>) {
    bound = number != 0;
    return true;
  } else {
    long double const truncated = std::is_integral_v<T> ? std::trunc(number) : number;
    if (!std::isfinite(number) || truncated > static_cast<long double>(std::numeric_limits<T>::max()) ||
        truncated < static_cast<long double>(std::numeric_limits<T>::lowest())) {
      reportConversionFailed(reportPosition);
      return false;
    }
    bound = static_cast<T>(truncated);
    return true;
  }
}

template <typename T>
void putBounds(Meta& meta, control_param::reflection::Metadata const& field) {
  T bound{};
  if (std::string const* maximum = field.attribute("MaximumValue"))
    if (convertBound(*maximum, control_param::report_position::kMaximumConversion, bound))
      putMeta(meta, {"validator.maximum", "editor.validator.maximum"}, bound);
  if (std::string const* minimum = field.attribute("MinimumValue"))
    if (convertBound(*minimum, control_param::report_position::kMinimumConversion, bound))
      putMeta(meta, {"validator.minimum", "editor.validator.minimum"}, bound);
}

template <typename E>
EnumEntries enumEntries(translation::Xlator* xlator) {
  std::string const context = control_param::reflection::enum_traits<E>::qualified_name;
  EnumEntries entries;
  for (auto const& [value, name] : control_param::reflection::enum_traits<E>::maps.value_to_name)
    entries.emplace_back(QString::fromStdString(enumeratorLabel(xlator, context, name)), boost::any(value));
  return entries;
}

// The settings of the field's value type: kind, editor, equality, bounds, choices.
template <typename T>
void putValueTypePart(Meta& meta, control_param::reflection::Metadata const& field,
                      translation::Xlator* xlator) {
  IsEqualFunction const isEqual = &isEqualAs<typename TravelType<T>::type>;
  if constexpr (control_param::reflection::is_nullable_v<T>) {
    putMeta(meta, {"validator.optional", "editor.validator.optional"}, true);
    putValueTypePart<typename TravelType<T>::type>(meta, field, xlator);
  } else if constexpr (control_param::reflection::is_schema_enum_v<T>) {
    putMetaValue(meta, "validator.kind", validatorKind<EnumEntries>());
    putMetaValue(meta, "editor.kind", std::string("named_value_list"));
    putMetaValue(meta, "editor.validator.kind", validatorKind<EnumEntries>());
    boost::any entries = enumEntries<T>(xlator);
    putMetaValue(meta, "editor.entries", entries);
    putMetaValue(meta, "editor.is_equal", isEqual);
    putMetaValue(meta, "validator.entries", std::move(entries));
    putMetaValue(meta, "validator.is_equal", isEqual);
  } else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::int32_t> ||
                       std::is_same_v<T, bool>) {
    putMetaValue(meta, "meta.type.is_arithmetic", true);
    putMetaValue(meta, "validator.kind", validatorKind<T>());
    putMetaValue(meta, "editor.kind", std::string("lineedit"));
    putMetaValue(meta, "editor.validator.kind", validatorKind<T>());
    putMeta(meta, {"editor.is_equal", "validator.is_equal"}, isEqual);
    putBounds<T>(meta, field);
    if constexpr (std::is_same_v<T, bool>) putMetaValue(meta, "is_bool", true);
  } else {
    static_assert(kAlwaysFalse<T>, "unsupported field type");
  }
}

// Writes `value` into `member` when it holds exactly the field's value type (or, for an optional, is
// empty); returns whether it did.
template <typename T>
bool acceptsValue(boost::any const& value) {
  if constexpr (control_param::reflection::is_nullable_v<T>)
    return value.empty() || value.type() == typeid(typename TravelType<T>::type);
  else
    return value.type() == typeid(T);
}

template <typename T>
void assignValue(T& member, boost::any const& value) {
  if constexpr (control_param::reflection::is_nullable_v<T>) {
    if (value.empty())
      member.reset();
    else
      member = boost::any_cast<typename TravelType<T>::type>(value);
  } else {
    member = boost::any_cast<T>(value);
  }
}

template <typename T>
boost::any anyOf(T const& member) {
  if constexpr (control_param::reflection::is_nullable_v<T>)
    return member ? boost::any(*member) : boost::any();
  else
    return boost::any(member);
}

// Value access of field `Field` of the record stored under the key the inspector passes.
template <typename Field>
void bindValue(Property& property, std::shared_ptr<container::model::Model> const& model) {
  using Record = typename Field::record_type;
  using T = typename Field::value_type;
  property.getValue = [model](ObjectKey const& key, boost::any& value) {
    value = anyOf(Field::member(model->template get<Record>(key)));
    return true;
  };
  // A value of another type changes nothing and is refused before any transaction is opened.
  property.setValue = [model](ObjectKey const& key, boost::any const& value) {
    if (!acceptsValue<T>(value)) return false;
    container::model::change<Record>(*model, key,
                                     [&](Record& record) { assignValue(Field::member(record), value); });
    return true;
  };
  property.isEqual = &isEqualAs<typename TravelType<T>::type>;
  property.isLess = &isLessAs<typename TravelType<T>::type>;
}

template <typename Field>
void addFieldProperty(Configuration& configuration, std::shared_ptr<container::model::Model> const& model,
                      FieldPath const& path) {
  using Record = typename Field::record_type;
  auto const& field = Field::metadata;
  if (!control_param::reflection::is_option(field)) return;
  FieldPath fieldPath = path;
  fieldPath.push_back(field.name);
  auto property = std::make_shared<Property>();
  translation::Xlator* xlator = configuration.xlator.get();
  applyAttributes(*property, field, Record::Schema::metadata.qualified_name, fieldPath, xlator);
  bindValue<Field>(*property, model);
  // The settings tree is built in full (its conversion reports included), then exchanged for the one
  // already shared for this field and these choice labels.
  auto meta = std::make_shared<Meta>();
  applyPrecisionAttribute(*meta, field);
  putValueTypePart<typename Field::value_type>(*meta, field, xlator);
  applyEditorAttribute(*meta, field);
  putMetaValue(*meta, "default", anyOf(Field::default_value));  // for "reset to default" and changed marks
  std::vector<QString> labels = detail::choiceLabels(*meta);
  property->meta = detail::sharedMeta(&Field::metadata, std::move(labels), std::move(meta));
  configuration.properties->add(std::move(property));
}

// Prepares the translator for the record, then adds one property per field that carries a "DisplayName",
// in schema order, to `configuration.properties`.
template <typename Record>
void from_bond(Configuration& configuration, std::shared_ptr<container::model::Model> model) {
  if (configuration.xlator)
    properties::detail::configure_xlator(*configuration.xlator, Record::Schema::metadata.qualified_name);
  FieldPath const path;
  control_param::reflection::for_each_field<Record>(
      [&](auto field) { addFieldProperty<decltype(field)>(configuration, model, path); });
}

}  // namespace trv::properties::nextgen
