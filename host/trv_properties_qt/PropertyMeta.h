#pragma once
// The value types of a property's settings tree that the editor and validator factories read.

#include <deque>
#include <string>
#include <typeindex>
#include <utility>

#include <QString>
#include <boost/any.hpp>

namespace trv::properties {

// "validator.kind", "editor.validator.kind": the value type the validator checks (the text is unused).
using ValidatorKind = std::pair<std::type_index, std::string>;

// "editor.entries", "validator.entries": the choices of a choice list, label and value, in value order.
using EnumEntries = std::deque<std::pair<QString, boost::any>>;

// "editor.is_equal", "validator.is_equal": equality of two values of the property's type.
using IsEqualFunction = bool (*)(boost::any const&, boost::any const&);

}  // namespace trv::properties
