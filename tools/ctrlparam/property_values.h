#pragma once
// The --set edits of the tool: "FIELD=VALUE" read by the type of the property whose id is FIELD, and applied
// through the task's inspector as a user would.

#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <boost/any.hpp>

#include "host/trv_properties_qt/Property.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"
#include "tools/ctrlparam/context.h"

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

// The task's inspector, without a parent.
std::unique_ptr<trv::properties::QtInspectorWidget> makeInspector(trv::control_param::Data& data);

// The object the inspector shows: the first selected one.
trv::ObjectKey const& shownKey(trv::properties::QtInspectorWidget const& inspector);

// The options of the context's program type: the fields that have an inspector property for it with some
// model (a model that holds every kind), shown or not. `reset` and `show --changed` take these.
std::vector<std::string> programOptions(Context const& context);

// Applies the context's --set edits to the task; every setting is read before the first is applied, so a
// bad one changes nothing.
void applySettings(Context const& context, trv::control_param::Data& data);

}  // namespace ctrlparam
