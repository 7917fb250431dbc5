#include "properties/qt/inc/nextgen/applicability.h"

#include <algorithm>
#include <utility>

#include <boost/type_erasure/typeid_of.hpp>

#include "lib/properties/control_param/schema/records.h"

namespace trv::properties::nextgen {
namespace {

using control_param::ORIN_Control_Properties;
using control_param::PELU_Control_Properties;
using control_param::PELU_INTE;

// The T-beam components count only while `t_custom` is on.
bool tBeamComponentsOff(container::model::Model const& model, ObjectKey const& key) {
  return !model.get<ORIN_Control_Properties>(key).t_custom;
}

// The non-linear axial strain qualifies a chosen interaction, not the automatic one.
bool nonLinearStrainOff(container::model::Model const& model, ObjectKey const& key) {
  return model.get<PELU_Control_Properties>(key).inte == PELU_INTE::Automatic;
}

RuleTable const kPelu{
    {"axia", 0}, {"vred", 7}, {"smoo", 8}, {"inte", 9}, {"non_lin_strain", 9, &nonLinearStrainOff},
    {"usep", 10}};

RuleTable orinBase() {
  return {{"moments", 12, &tBeamComponentsOff},
          {"shearforces", 12, &tBeamComponentsOff},
          {"axialforces", 12, &tBeamComponentsOff},
          {"torsional", 12, &tBeamComponentsOff},
          {"t_custom", 12},
          {"warp", 13},
          {"spri", 14},
          {"spri_direction", 15},
          {"solv", 16}};
}

RuleTable withRules(RuleTable table, RuleTable const& more) {
  table.insert(table.end(), more.begin(), more.end());
  return table;
}

RuleTable const kOrinA = orinBase();
RuleTable const kOrinB = withRules(orinBase(), {{"iter", 23}, {"bric", 30}, {"cabl", 31}});
RuleTable const kOrinCD = withRules(orinBase(), {{"fric", 26}});
RuleTable const kOrinE{{"solv", 16}};

RuleTable const kZutherA{{"lay", 44},  {"fach", 37}, {"tens", 39}, {"pfai", 40},
                         {"wend", 41}, {"cott", 42}, {"bubb", 43}};
RuleTable const kZutherB{{"lay", 44}, {"fach", 37}};

RuleTable const kNevoA{{"gen", 56}, {"genm", 57}};
RuleTable const kNevoB{{"gen", 56}, {"genm", 57}, {"afix", 59}, {"styp", 60}, {"gdiv", 61}, {"plc", 62}};

ApplicabilityRule const* findRule(RuleTable const& rules, std::string const& id) {
  auto it =
      std::find_if(rules.begin(), rules.end(), [&](ApplicabilityRule const& rule) { return rule.id == id; });
  return it == rules.end() ? nullptr : &*it;
}

}  // namespace

RuleTable const* ruleTable(control_param::ProgrammTypes type) {
  using namespace control_param;
  switch (type) {
    case ORIN_A:
      return &kOrinA;
    case ORIN_B:
      return &kOrinB;
    case ORIN_C:
    case ORIN_D:
      return &kOrinCD;
    case ORIN_E:
      return &kOrinE;
    case PELU_A:
    case PELU_B:
      return &kPelu;
    case NEVO_A:
      return &kNevoA;
    case NEVO_B:
      return &kNevoB;
    case Zuther_A:
      return &kZutherA;
    case Zuther_B:
      return &kZutherB;
    case BRAX_A:
      return nullptr;
  }
  return nullptr;
}

void attachGate(Property& property, Gate gate, std::shared_ptr<container::model::Model> const& model) {
  property.getValue = [gate, model, previous = std::move(property.getValue)](ObjectKey const& key,
                                                                             boost::any& value) {
    if (boost::type_erasure::typeid_of(key) != typeid(int)) return false;
    if (gate(*model, key)) return false;
    return previous(key, value);
  };
}

void filterApplicableProperties(Configuration& configuration, control_param::ModelContent const& content,
                                RuleTable const& rules,
                                std::shared_ptr<container::model::Model> const& model) {
  Properties::List const all = configuration.properties->take();
  for (auto const& property : all) {
    ApplicabilityRule const* rule = findRule(rules, property->id);
    if (!rule) continue;
    if (rule->gate) attachGate(*property, rule->gate, model);
    if (control_param::data::isOptionApplicable(content, rule->option))
      configuration.properties->add(property);
  }
}

void filterApplicableProperties(control_param::ProgrammTypes type, Configuration& configuration,
                                control_param::ModelContent const& content,
                                std::shared_ptr<container::model::Model> const& model) {
  if (RuleTable const* rules = ruleTable(type))
    filterApplicableProperties(configuration, content, *rules, model);
}

}  // namespace trv::properties::nextgen
