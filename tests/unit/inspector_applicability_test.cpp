// The property set of every program type for analysis models with and without each element kind, and the
// value gates that follow edits of the record.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/trv_dbo/dbo.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/module_data.h"
#include "properties/qt/inc/nextgen/applicability.h"

namespace trv::control_param {
namespace {

using dbo::standin::ElementKinds;

enum Need : unsigned { kAlways = 0, kQuads = 1, kBrics = 2, kBeams = 4, kCables = 8, kSprings = 16 };

struct Expected {
  std::string id;
  unsigned need;
};

// Every program type's properties in schema order, with the element kinds each needs.
struct TypeRow {
  ProgrammTypes type;
  std::vector<Expected> properties;
};

std::vector<Expected> const kOrinBase{{"warp", kAlways},
                                      {"spri", kSprings},
                                      {"solv", kAlways},
                                      {"t_custom", kQuads | kBeams},
                                      {"moments", kQuads | kBeams},
                                      {"shearforces", kQuads | kBeams},
                                      {"axialforces", kQuads | kBeams},
                                      {"torsional", kQuads | kBeams},
                                      {"spri_direction", kSprings}};

// ORIN types 2 and 3: the base table plus the QUAD concrete rule, in schema order.
std::vector<Expected> const kOrinWithFriction{{"warp", kAlways},
                                              {"spri", kSprings},
                                              {"solv", kAlways},
                                              {"fric", kQuads},
                                              {"t_custom", kQuads | kBeams},
                                              {"moments", kQuads | kBeams},
                                              {"shearforces", kQuads | kBeams},
                                              {"axialforces", kQuads | kBeams},
                                              {"torsional", kQuads | kBeams},
                                              {"spri_direction", kSprings}};

// Both PELU types show the same options, all of them only for models with beams.
std::vector<Expected> const kPelu{{"axia", kBeams}, {"vred", kBeams},  {"smoo", kBeams},
                                  {"inte", kBeams}, {"usep", kBeams}, {"non_lin_strain", kBeams}};

std::vector<TypeRow> const kTypes{
    {ORIN_A, kOrinBase},
    {ORIN_B,
     {{"warp", kAlways},
      {"spri", kSprings},
      {"solv", kAlways},
      {"iter", kAlways},
      {"bric", kBrics},
      {"cabl", kCables},
      {"t_custom", kQuads | kBeams},
      {"moments", kQuads | kBeams},
      {"shearforces", kQuads | kBeams},
      {"axialforces", kQuads | kBeams},
      {"torsional", kQuads | kBeams},
      {"spri_direction", kSprings}}},
    {ORIN_C, kOrinWithFriction},
    {ORIN_D, kOrinWithFriction},
    {ORIN_E, {{"solv", kAlways}}},
    {PELU_A, kPelu},
    {PELU_B, kPelu},
    {NEVO_A, {{"gen", kAlways}, {"genm", kAlways}}},
    {NEVO_B,
     {{"gen", kAlways},
      {"genm", kAlways},
      {"afix", kAlways},
      {"styp", kCables},
      {"gdiv", kAlways},
      {"plc", kAlways}}},
    {Zuther_A,
     {{"lay", kAlways},
      {"tens", kQuads},
      {"pfai", kQuads},
      {"wend", kQuads},
      {"cott", kQuads},
      {"bubb", kQuads},
      {"fach", kQuads}}},
    {Zuther_B, {{"lay", kAlways}, {"fach", kQuads}}},
    {BRAX_A,
     {{"dl", kAlways},
      {"beam", kAlways},
      {"crep", kAlways},
      {"eige", kAlways},
      {"relz", kAlways},
      {"cant", kAlways},
      {"cast", kAlways},
      {"stor", kAlways},
      {"prob", kAlways},
      {"nmat", kAlways},
      {"emod", kAlways},
      {"gpc", kAlways}}},
};

// Model contents: nothing, each kind alone, each kind missing, quads with beams, everything.
std::vector<unsigned> const kContents{0,
                                      kQuads,
                                      kBrics,
                                      kBeams,
                                      kCables,
                                      kSprings,
                                      kQuads | kBeams,
                                      kBrics | kBeams | kCables | kSprings,
                                      kQuads | kBrics | kCables | kSprings,
                                      kQuads | kBrics | kBeams | kSprings,
                                      kQuads | kBrics | kBeams | kCables,
                                      kQuads | kBrics | kBeams | kCables | kSprings};

constexpr int kHandle = 4711;

ElementKinds kindsOf(unsigned content) {
  ElementKinds kinds;
  kinds.quads = content & kQuads;
  kinds.brics = content & kBrics;
  kinds.beams = content & kBeams;
  kinds.cables = content & kCables;
  kinds.springs = content & kSprings;
  return kinds;
}

std::shared_ptr<data::InternalInterface> makeModule(ProgrammTypes type, unsigned content) {
  dbo::standin::setModel(kHandle, kindsOf(content));
  return data::createModule(type, kHandle);
}

std::vector<std::string> ids(data::InternalInterface const& module) {
  std::vector<std::string> result;
  for (auto const& p : module.configuration->properties->list()) result.push_back(p->id);
  return result;
}

properties::Property& property(data::InternalInterface& module, std::string const& id) {
  for (auto const& p : module.configuration->properties->list())
    if (p->id == id) return *p;
  throw std::runtime_error("no property " + id);
}

TEST(InspectorApplicability, PropertySetOfEveryProgramTypeAndModelContent) {
  for (auto const& row : kTypes) {
    for (unsigned const content : kContents) {
      SCOPED_TRACE("type " + std::to_string(row.type) + ", content " + std::to_string(content));
      std::vector<std::string> expected;
      for (auto const& p : row.properties)
        if ((p.need & content) == p.need) expected.push_back(p.id);
      EXPECT_EQ(ids(*makeModule(row.type, content)), expected);
    }
  }
}

TEST(InspectorApplicability, PeluWithoutBeamsHasNoProperties) {
  EXPECT_TRUE(ids(*makeModule(PELU_A, kQuads | kBrics | kCables | kSprings)).empty());
  EXPECT_TRUE(ids(*makeModule(PELU_B, 0)).empty());
}

TEST(InspectorApplicability, AnIdOutsideTheTableIsDropped) {
  properties::Configuration configuration{
      nullptr, std::make_shared<properties::Properties>(), nullptr, nullptr, nullptr, nullptr};
  for (std::string id : {"solv", "foreign", "SOLV", "warp"}) {
    auto p = std::make_shared<properties::Property>();
    p->id = id;
    configuration.properties->add(p);
  }
  ModelContent const everything{true, true, true, true, true};
  properties::nextgen::filterApplicableProperties(configuration, everything, {{"warp", 13}, {"solv", 16}},
                                                  nullptr);
  std::vector<std::string> kept;
  for (auto const& p : configuration.properties->list()) kept.push_back(p->id);
  EXPECT_EQ(kept, (std::vector<std::string>{"solv", "warp"}));
}

TEST(InspectorApplicability, TBeamComponentsFollowTCustomWithoutRebuilding) {
  auto module = makeModule(ORIN_A, kQuads | kBeams);
  auto const before = module->configuration->properties->list();
  for (std::string const id : {"moments", "shearforces", "axialforces", "torsional"}) {
    SCOPED_TRACE(id);
    boost::any value = 42;
    EXPECT_FALSE(property(*module, id).getValue(data::RecordKey, value));
    ASSERT_TRUE(property(*module, "t_custom").setValue(data::RecordKey, true));
    ASSERT_TRUE(property(*module, id).getValue(data::RecordKey, value));
    EXPECT_FALSE(boost::any_cast<bool>(value));
    ASSERT_TRUE(property(*module, id).setValue(data::RecordKey, true));
    ASSERT_TRUE(property(*module, id).getValue(data::RecordKey, value));
    EXPECT_TRUE(boost::any_cast<bool>(value));
    ASSERT_TRUE(property(*module, "t_custom").setValue(data::RecordKey, false));
    EXPECT_FALSE(property(*module, id).getValue(data::RecordKey, value));
  }
  EXPECT_EQ(module->configuration->properties->list(), before);
  boost::any value;
  EXPECT_TRUE(property(*module, "t_custom").getValue(data::RecordKey, value));  // not gated itself
}

TEST(InspectorApplicability, NonLinearStrainHasNoValueWhileInteractionIsAutomatic) {
  auto module = makeModule(PELU_B, kBeams);
  boost::any value;
  EXPECT_FALSE(property(*module, "non_lin_strain").getValue(data::RecordKey, value));
  ASSERT_TRUE(property(*module, "inte").setValue(data::RecordKey, PELU_INTE::Isotrope));
  ASSERT_TRUE(property(*module, "non_lin_strain").getValue(data::RecordKey, value));
  EXPECT_TRUE(boost::any_cast<bool>(value));
  ASSERT_TRUE(property(*module, "inte").setValue(data::RecordKey, PELU_INTE::Automatic));
  EXPECT_FALSE(property(*module, "non_lin_strain").getValue(data::RecordKey, value));
}

TEST(InspectorApplicability, GatedGetterWithAForeignKeyGivesNoValueAndDoesNotRaise) {
  auto module = makeModule(ORIN_A, kQuads | kBeams);
  boost::any value;
  for (ObjectKey const& key : {ObjectKey{std::string("0")}, ObjectKey{0.0}, ObjectKey{0L}}) {
    bool found = true;
    EXPECT_NO_THROW(found = property(*module, "moments").getValue(key, value));
    EXPECT_FALSE(found);
  }
  // An int key of another object reaches the model, which does not know it.
  EXPECT_THROW(property(*module, "moments").getValue(ObjectKey{3}, value), std::runtime_error);
}

}  // namespace
}  // namespace trv::control_param
