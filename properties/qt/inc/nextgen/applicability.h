#pragma once
// Which inspector properties a module variant shows for the analysis model at hand, and the gates that
// make a property show no value while another option of the record switches it off.

#include <memory>

#include <boost/any.hpp>
#include <string>
#include <utility>
#include <vector>

#include "container/model/Model.h"
#include "host/trv_properties_qt/Configuration.h"
#include "lib/properties/control_param/vocabulary/ModelContent.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"
#include "lib/properties/control_param/vocabulary/kelmar_options.h"

namespace trv::properties::nextgen {

// What switches an option off: another option of the record holding one value. The property then shows no
// value, and its settings say why ("gate.option": the switching option's id, "gate.off_value": the value).
struct Gate {
  // Whether the option is switched off in the record stored under `key` (an int key); null: never.
  bool (*isOff)(container::model::Model const& model, ObjectKey const& key) = nullptr;
  std::string const* option = nullptr;
  boost::any offValue;
};

// The gate that switches an option off while the field `SwitchField` holds `OffValue`.
template <typename SwitchField, auto OffValue>
Gate switchedOffWhile() {
  using Record = typename SwitchField::record_type;
  using T = typename SwitchField::value_type;
  return {[](container::model::Model const& model, ObjectKey const& key) {
            return SwitchField::member(model.get<Record>(key)) == static_cast<T>(OffValue);
          },
          &SwitchField::metadata.name, boost::any(static_cast<T>(OffValue))};
}

struct ApplicabilityRule {
  ApplicabilityRule(std::string id, control_param::data::KelmarOption option, Gate gate = {})
      : id(std::move(id)), option(option), gate(std::move(gate)) {}

  std::string id;                            // the property's id (the field name)
  control_param::data::KelmarOption option;  // decides, by model content, whether the property applies
  Gate gate;                                 // none: the value is always shown
};

using RuleTable = std::vector<ApplicabilityRule>;

// The rule table of a program type; null when the variant keeps every property (BRAX).
RuleTable const* ruleTable(control_param::ProgrammTypes type);

// Replaces the property's getter by one that reports no value while `rule`'s gate is closed for the record
// (asked on every read; a key that holds no int gives no value and leaves the model alone), and adds the
// gate's keys to the property's settings.
void attachGate(Property& property, ApplicabilityRule const& rule,
                std::shared_ptr<container::model::Model> const& model);

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
