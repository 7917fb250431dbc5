#pragma once
// The attribute-driven parts of a property that do not depend on the field's value type: labels, layout
// hints, weight, read-only state and precision, and the report of an attribute that cannot be converted.

#include <functional>
#include <string>
#include <vector>

#include "host/trv_properties_qt/Property.h"
#include "lib/properties/control_param/schema/reflection.h"
#include "reports/host_reports.h"

namespace trv::translation {
class Xlator;
}

namespace trv::properties::nextgen {

using FieldPath = std::vector<std::string>;

// The labels of an option field that a translator is asked for.
enum class LabelKind { DisplayName, Tooltip, Category };

// The category the inspector groups the field under: its "Category" (an empty one stays empty), else
// "General".
std::string const& categoryOf(control_param::reflection::Metadata const& field);

// Calls `f(kind, context, text)` for each label text of the option field `field` of the record
// `qualifiedName`, with the translation context of that label: the display name, the tooltip when there is
// one, the category. An empty text is shown as it is: it is never looked up, nor written into a template.
void forEachLabelText(
    control_param::reflection::Metadata const& field, std::string const& qualifiedName,
    std::function<void(LabelKind kind, std::string const& context, std::string const& text)> const& f);

// Reports "Conversion failed." to the host's assertion log at `position`.
void reportConversionFailed(control_param::ReportPosition position);

// Category, display name, tooltip (translated when `xlator` is given), column width, read-only state,
// weight and id of the field `field` of the record `qualifiedName`. A "PropertyWeight" that is
// no decimal 32-bit integer raises boost::bad_lexical_cast.
void applyAttributes(Property& property, control_param::reflection::Metadata const& field,
                     std::string const& qualifiedName, FieldPath const& fieldPath,
                     translation::Xlator* xlator);

// The "Precision" attribute, when present, as "validator.precision" and "editor.validator.precision".
void applyPrecisionAttribute(Meta& meta, control_param::reflection::Metadata const& field);

// The "Editor" attribute, when present, replaces "editor.kind".
void applyEditorAttribute(Meta& meta, control_param::reflection::Metadata const& field);

// Puts `value` under each of the keys.
void putMeta(Meta& meta, std::initializer_list<char const*> keys, boost::any value);

// The label of enumerator `name` of the enumeration context `context`: its override text or name, through
// the translator; the name itself without translator.
std::string enumeratorLabel(translation::Xlator* xlator, std::string const& context, std::string const& name);

}  // namespace trv::properties::nextgen
