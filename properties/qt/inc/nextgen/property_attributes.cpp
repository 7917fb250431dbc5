#include "properties/qt/inc/nextgen/property_attributes.h"

#include <cstdint>
#include <iterator>
#include <stdexcept>

#include <boost/algorithm/string/join.hpp>
#include <boost/lexical_cast.hpp>

#include "properties/qt/inc/nextgen/meta_tree.h"
#include "translation/Xlator.h"

namespace trv::properties::nextgen {
namespace {

constexpr char const* kGeneralCategory = "General";

// The context of the category texts: the schema namespace of a qualified name (everything before its last
// '.', or empty) and ": category".
std::string categoryContext(std::string const& qualifiedName) {
  auto const dot = qualifiedName.rfind('.');
  std::string context;
  context.reserve((dot == std::string::npos ? 0 : dot) + 10);
  if (dot != std::string::npos) context.append(qualifiedName, 0, dot);
  return context.append(": category");
}

void applyLabels(Property& property, control_param::reflection::Metadata const& field,
                 std::string const& qualifiedName, translation::Xlator* xlator) {
  std::string const* category = field.attribute("Category");
  property.category = category ? *category : kGeneralCategory;
  std::string const& displayName = *field.attribute("DisplayName");
  std::string const* tooltip = field.attribute("Tooltip");
  if (!xlator) {
    property.displayName = displayName;
    if (tooltip) property.tooltip = *tooltip;
    return;
  }
  std::string const& domain = translation::registeredDomain(*xlator, qualifiedName);
  std::string context;
  context.reserve(qualifiedName.size() + field.name.size() + 9);
  context.append(qualifiedName).append(1, '.').append(field.name);
  property.displayName = translation::translate(*xlator, domain, context, displayName);
  if (tooltip)
    property.tooltip = translation::translate(*xlator, domain, context.append(".tooltip"), *tooltip);
  property.category =
      translation::translate(*xlator, domain, categoryContext(qualifiedName), property.category);
}

void applyPrecision(Meta& meta, std::string const* precision) {
  if (!precision) return;
  int value = 0;
  try {
    value = std::stoi(*precision);
  } catch (std::invalid_argument const&) {
    reportConversionFailed(control_param::report_position::kPrecisionConversion);
    return;
  } catch (std::out_of_range const&) {
    reportConversionFailed(control_param::report_position::kPrecisionConversion);
    return;
  }
  putMeta(meta, {"validator.precision", "editor.validator.precision"}, value);
}

}  // namespace

void reportConversionFailed(control_param::ReportPosition position) {
  control_param::reportToHost("0", position, "Conversion failed.");
}

void putMeta(Meta& meta, std::initializer_list<char const*> keys, boost::any value) {
  for (auto key = keys.begin(); key != keys.end(); ++key)
    putMetaValue(meta, *key, std::next(key) == keys.end() ? std::move(value) : value);
}

void applyAttributes(Property& property, control_param::reflection::Metadata const& field,
                     std::string const& qualifiedName, FieldPath const& fieldPath,
                     translation::Xlator* xlator) {
  applyLabels(property, field, qualifiedName, xlator);
  if (std::string const* columnWidth = field.attribute("ColumnWidth")) property.columnWidth = *columnWidth;
  if (std::string const* readOnly = field.attribute("ReadOnly")) {
    bool const isReadOnly = *readOnly == "true";
    property.isReadOnly = [isReadOnly](ObjectKey const&) { return isReadOnly; };
  }
  if (std::string const* weight = field.attribute("PropertyWeight"))
    property.weight = boost::lexical_cast<std::int32_t>(*weight);
  property.id = boost::algorithm::join(fieldPath, ".");
}

void applyPrecisionAttribute(Meta& meta, control_param::reflection::Metadata const& field) {
  applyPrecision(meta, field.attribute("Precision"));
}

void applyEditorAttribute(Meta& meta, control_param::reflection::Metadata const& field) {
  if (std::string const* editor = field.attribute("Editor")) putMetaValue(meta, "editor.kind", *editor);
}

std::string enumeratorLabel(translation::Xlator* xlator, std::string const& context,
                            std::string const& name) {
  if (!xlator) return name;
  std::string const& domain = translation::registeredDomain(*xlator, context);
  std::string const* source = translation::overrideEntry(*xlator, context, name);
  return translation::translate(*xlator, domain, context, source ? *source : name);
}

}  // namespace trv::properties::nextgen
