#pragma once
// Property values as text, driven by the property's settings tree: how the inspector shows a value and how
// it reads one typed into a line edit.

#include <optional>

#include <QString>
#include <boost/any.hpp>

#include "host/trv_properties_qt/Property.h"

namespace trv::qt {

// The label of a choice, "true"/"false", or the number (shortest text that reads back the same); empty when
// the value is empty or not one the settings describe.
QString valueText(properties::Meta const& meta, boost::any const& value);

// The value of `text` as the validator kind of the settings describes it, within their bounds: a number, or
// "true"/"false"/"1"/"0"; an empty text gives the empty value when the value is optional. Nothing when the
// text does not read as such a value.
std::optional<boost::any> parseText(properties::Meta const& meta, QString const& text);

// The entry of a choice list whose value equals `value` by the settings' equality, or -1.
int entryIndex(properties::Meta const& meta, boost::any const& value);

}  // namespace trv::qt
