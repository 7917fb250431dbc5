#pragma once
// Which inspector properties a module variant shows for the analysis model at hand, and the gates that
// make a property show no value while another option of the record switches it off.

#include <memory>
#include <string>
#include <vector>

#include "container/model/Model.h"
#include "host/trv_properties_qt/Configuration.h"
#include "lib/properties/control_param/vocabulary/ModelContent.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"
#include "lib/properties/control_param/vocabulary/kelmar_options.h"

namespace trv::properties::nextgen {

// Whether the option that the property edits is switched off in the record stored under `key` (an int key).
using Gate = bool (*)(container::model::Model const& model, ObjectKey const& key);

struct ApplicabilityRule {
  std::string id;                            // the property's id (the field name)
  control_param::data::KelmarOption option;  // decides, by model content, whether the property applies
  Gate gate = nullptr;                       // none: the value is always shown
};

using RuleTable = std::vector<ApplicabilityRule>;

// The rule table of a program type; null when the variant keeps every property (BRAX).
RuleTable const* ruleTable(control_param::ProgrammTypes type);

// Replaces the property's getter by one that reports no value while `gate` holds for the record; the gate is
// asked on every read. A key that holds no int gives no value and leaves the model alone.
void attachGate(Property& property, Gate gate, std::shared_ptr<container::model::Model> const& model);

// Keeps, in their order, the properties listed in `rules` whose option applies to `content`, attaching the
// gates of the listed ones; drops all others.
void filterApplicableProperties(Configuration& configuration, control_param::ModelContent const& content,
                                RuleTable const& rules,
                                std::shared_ptr<container::model::Model> const& model);

// The filter of the program type, if it has one.
void filterApplicableProperties(control_param::ProgrammTypes type, Configuration& configuration,
                                control_param::ModelContent const& content,
                                std::shared_ptr<container::model::Model> const& model);

}  // namespace trv::properties::nextgen
