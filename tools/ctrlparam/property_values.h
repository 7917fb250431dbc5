#pragma once
// The --set edits of the tool: "FIELD=VALUE" read by the type of the property whose id is FIELD.

#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <boost/any.hpp>

#include "host/trv_properties_qt/Property.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace ctrlparam {

struct Setting {
  std::shared_ptr<trv::properties::Property> property;
  boost::any value;
};

// Reads every "FIELD=VALUE" against the properties of the task before any is applied. VALUE is an
// enumerator name or number for a choice, true/false/1/0 for a switch, a number for a value, empty to clear
// an optional value. Throws Failure for an unknown field, an unknown enumerator or an unreadable value, and
// UsageError for a setting without "=".
std::vector<Setting> readSettings(QStringList const& settings, trv::properties::Properties const& properties,
                                  trv::control_param::ProgrammTypes type);

}  // namespace ctrlparam
