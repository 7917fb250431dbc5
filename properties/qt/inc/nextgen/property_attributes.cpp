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

std::string& label(Property& property, LabelKind kind) {
  switch (kind) {
    case LabelKind::DisplayName:
      return property.displayName;
    case LabelKind::Tooltip:
      return property.tooltip;
    case LabelKind::Category:
      break;
  }
  return property.category;
}

// The labels as the schema gives them, translated when there is a translator.
void applyLabels(Property& property, control_param::reflection::Metadata const& field,
                 std::string const& qualifiedName, translation::Xlator* xlator) {
  std::string const& domain = xlator ? translation::registeredDomain(*xlator, qualifiedName) : qualifiedName;
  property.category = categoryOf(field);
  forEachLabelText(
      field, qualifiedName, [&](LabelKind kind, std::string const& context, std::string const& text) {
        label(property, kind) = xlator ? translation::translate(*xlator, domain, context, text) : text;
      });
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

std::string const& categoryOf(control_param::reflection::Metadata const& field) {
  static std::string const general = "General";
  std::string const* category = field.attribute("Category");
  return category ? *category : general;
}

// Contexts: "<record>.<field>" for the display name, with ".tooltip" for the tooltip; the schema namespace
// of the record (everything before the last '.' of its qualified name, or nothing) and ": category" for
// categories.
void forEachLabelText(
    control_param::reflection::Metadata const& field, std::string const& qualifiedName,
    std::function<void(LabelKind kind, std::string const& context, std::string const& text)> const& f) {
  std::string context;
  context.reserve(qualifiedName.size() + field.name.size() + 9);
  context.append(qualifiedName).append(1, '.').append(field.name);
  if (std::string const* displayName = field.attribute("DisplayName"); displayName && !displayName->empty())
    f(LabelKind::DisplayName, context, *displayName);
  if (std::string const* tooltip = field.attribute("Tooltip"); tooltip && !tooltip->empty())
    f(LabelKind::Tooltip, context.append(".tooltip"), *tooltip);
  if (std::string const& category = categoryOf(field); !category.empty()) {
    auto const dot = qualifiedName.rfind('.');
    context.assign(qualifiedName, 0, dot == std::string::npos ? 0 : dot).append(": category");
    f(LabelKind::Category, context, category);
  }
}

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
