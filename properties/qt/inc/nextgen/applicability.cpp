#include "properties/qt/inc/nextgen/applicability.h"

#include <algorithm>
#include <utility>

#include <boost/type_erasure/typeid_of.hpp>

#include "lib/properties/control_param/schema/records.h"
#include "properties/qt/inc/nextgen/detail/shared_meta.h"
#include "properties/qt/inc/nextgen/meta_tree.h"

namespace trv::properties::nextgen {
namespace {

using Orin = control_param::ORIN_Control_Properties::Schema::var;
using Pelu = control_param::PELU_Control_Properties::Schema::var;
using control_param::PELU_INTE;
using namespace control_param::data::option;

// The T-beam components count only while `t_custom` is on.
Gate const kTBeamComponents = switchedOffWhile<Orin::t_custom, false>();

// The non-linear axial strain qualifies a chosen interaction, not the automatic one.
Gate const kNonLinearStrain = switchedOffWhile<Pelu::inte, PELU_INTE::Automatic>();

RuleTable const kPelu{{"axia", kAxia},
                      {"vred", kVred},
                      {"smoo", kSmoo},
                      {"inte", kInte},
                      {"non_lin_strain", kInte, kNonLinearStrain},
                      {"usep", kUsep}};

RuleTable orinBase() {
  return {{"moments", kPlab, kTBeamComponents},
          {"shearforces", kPlab, kTBeamComponents},
          {"axialforces", kPlab, kTBeamComponents},
          {"torsional", kPlab, kTBeamComponents},
          {"t_custom", kPlab},
          {"warp", kWarp},
          {"spri", kSpri},
          {"spri_direction", kSpriDirection},
          {"solv", kSolv}};
}

RuleTable withRules(RuleTable table, RuleTable const& more) {
  table.insert(table.end(), more.begin(), more.end());
  return table;
}

// The inspector and the KELMAR lines differ on `fric` on purpose: ORIN_B writes it but does not show it,
// ORIN_C shows it but does not write it, ORIN_D shows and writes it (the writer in orin_kelmar.cpp says the
// same).
RuleTable const kOrinA = orinBase();
RuleTable const kOrinB = withRules(orinBase(), {{"iter", kIter}, {"bric", kBric}, {"cabl", kCabl}});
RuleTable const kOrinCD = withRules(orinBase(), {{"fric", kFric}});
RuleTable const kOrinE{{"solv", kSolv}};

RuleTable const kZutherA{{"lay", kLay},   {"fach", kFach}, {"tens", kTens}, {"pfai", kPfai},
                         {"wend", kWend}, {"cott", kCott}, {"bubb", kBubb}};
RuleTable const kZutherB{{"lay", kLay}, {"fach", kFach}};

RuleTable const kNevoA{{"gen", kGen}, {"genm", kGenm}};
RuleTable const kNevoB{{"gen", kGen},   {"genm", kGenm}, {"afix", kAfix},
                       {"styp", kStyp}, {"gdiv", kGdiv}, {"plc", kPlc}};

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

void attachGate(Property& property, ApplicabilityRule const& rule,
                std::shared_ptr<container::model::Model> const& model) {
  property.getValue = [isOff = rule.gate.isOff, model, previous = std::move(property.getValue)](
                          ObjectKey const& key, boost::any& value) {
    if (boost::type_erasure::typeid_of(key) != typeid(int)) return false;
    if (isOff(*model, key)) return false;
    return previous(key, value);
  };
  // The settings of the field with the gate's keys, shared by the properties of every task made by the rule.
  std::vector<QString> labels = detail::choiceLabels(*property.meta);
  property.meta = detail::sharedMeta(&rule, std::move(labels), [&] {
    auto gated = std::make_shared<Meta>(*property.meta);
    putMetaValue(*gated, "gate.option", *rule.gate.option);
    putMetaValue(*gated, "gate.off_value", rule.gate.offValue);
    return gated;
  });
}

void filterApplicableProperties(Configuration& configuration, control_param::ModelContent const& content,
                                RuleTable const& rules,
                                std::shared_ptr<container::model::Model> const& model) {
  Properties::List const all = configuration.properties->take();
  for (auto const& property : all) {
    ApplicabilityRule const* rule = findRule(rules, property->id);
    if (!rule) continue;
    if (rule->gate.isOff) attachGate(*property, *rule, model);
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
