// The option records: defaults, identifiers, attributes and enumeration maps, through the reflection.

#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <string>
#include <vector>

#include "lib/properties/control_param/schema/records.h"

namespace {

using namespace trv::control_param;

template <typename T>
std::string text(T const& value) {
  if constexpr (reflection::is_nullable_v<T>) {
    return value ? text(*value) : "empty";
  } else if constexpr (std::is_same_v<T, bool>) {
    return value ? "true" : "false";
  } else {
    return std::to_string(static_cast<long long>(value));
  }
}

// "id name default" for every field of a default-constructed record, in walking order.
template <typename Record>
std::vector<std::string> defaultsOf() {
  std::vector<std::string> fields;
  Record const record{};
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    EXPECT_EQ(text(Field::member(record)), text(Field::default_value)) << Field::metadata.name;
    fields.push_back(std::to_string(Field::id) + ' ' + Field::metadata.name + ' ' + text(Field::member(record)));
  });
  return fields;
}

struct RecordDefaults {
  std::string record;
  std::vector<std::string> (*walk)();
  std::vector<std::string> expected;
};

class RecordDefaultsTest : public testing::TestWithParam<RecordDefaults> {};

TEST_P(RecordDefaultsTest, DefaultRecordHoldsTheTableDefaultsInIdentifierOrder) {
  EXPECT_EQ(GetParam().walk(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllRecords, RecordDefaultsTest,
    testing::Values(
        RecordDefaults{"ORIN",
                       defaultsOf<ORIN_Control_Properties>,
                       {"1 warp 0", "2 spri 8", "3 solv 3", "11 iter -1", "14 fric empty", "18 bric empty",
                        "19 cabl empty", "59 t_custom false", "60 moments false", "61 shearforces false",
                        "62 axialforces false", "63 torsional false", "64 spri_direction true"}},
        RecordDefaults{"PELU",
                       defaultsOf<PELU_Control_Properties>,
                       {"0 axia 0", "7 vred empty", "8 smoo empty", "9 inte -1", "10 usep empty",
                        "11 non_lin_strain true"}},
        RecordDefaults{"NEVO",
                       defaultsOf<NEVO_Control_Properties>,
                       {"0 gen empty", "1 genm empty", "2 afix empty", "3 styp empty", "4 gdiv empty",
                        "5 plc empty"}},
        RecordDefaults{"Zuther",
                       defaultsOf<Zuther_Control_Properties>,
                       {"0 lay -1", "2 tens empty", "3 pfai 0", "4 wend empty", "5 cott empty", "6 bubb empty",
                        "7 fach 0"}},
        RecordDefaults{"BRAX",
                       defaultsOf<BRAX_Control_Properties>,
                       {"0 dl 0", "1 beam 0", "2 crep 1", "3 eige 0", "4 relz 0", "5 cant 12", "6 cast false",
                        "7 stor true", "8 prob 0", "9 nmat 1", "10 emod 0", "11 gpc false", "12 version_id 0"}}),
    [](auto const& info) { return info.param.record; });

TEST(RecordMetadata, NamesAndQualifiedNames) {
  EXPECT_EQ(ORIN_Control_Properties::Schema::metadata.name, "ORIN_Control_Properties");
  EXPECT_EQ(ORIN_Control_Properties::Schema::metadata.qualified_name, "trv.control_param.ORIN_Control_Properties");
  EXPECT_EQ(Zuther_Control_Properties::Schema::metadata.qualified_name,
            "trv.control_param.Zuther_Control_Properties");
  EXPECT_TRUE(BRAX_Control_Properties::Schema::metadata.attributes.empty());
}

TEST(RecordMetadata, AttributesOfSomeFields) {
  using Orin = ORIN_Control_Properties::Schema::var;
  EXPECT_EQ(*Orin::spri::metadata.attribute("DisplayName"), "Transverse force eccentricity of coupling springs");
  EXPECT_EQ(*Orin::spri::metadata.attribute("Category"), "Spring options");
  EXPECT_EQ(*Orin::warp::metadata.attribute("Category"), "");
  EXPECT_EQ(Orin::warp::metadata.attribute("Tooltip"), nullptr);
  using Brax = BRAX_Control_Properties::Schema::var;
  EXPECT_TRUE(Brax::version_id::metadata.attributes.empty());
  EXPECT_EQ(*Brax::gpc::metadata.attribute("DisplayName"),
            "Separation of GPC loads for construction stages: Removing temporary supports");
}

template <typename E>
std::vector<std::string> choiceOrder() {
  std::vector<std::string> names;
  for (auto const& [value, name] : reflection::enum_traits<E>::maps.value_to_name)
    names.push_back(std::to_string(value) + ' ' + name);
  return names;
}

TEST(Enumerations, ValueToNameMapIsOrderedByValue) {
  EXPECT_EQ(choiceOrder<PELU_AXIA>(),
            (std::vector<std::string>{"-3 UniaxialBendingAllYZSystem", "-2 BiaxialBendingUnixialFibreYZSystem",
                                      "-1 UniaxialBendingSymmetry", "0 Automatic", "1 UniaxialBending",
                                      "2 BiaxialBendingUnixialFibrePrincipalAxis",
                                      "3 UniaxialBendingAllPrincipalAxis"}));
  EXPECT_EQ(choiceOrder<ORIN_ITER>(), (std::vector<std::string>{"-1 Automatic", "0 Crisfield", "3 Linesearch"}));
  EXPECT_EQ(choiceOrder<LAY>(), (std::vector<std::string>{"-1 Automatic", "0 Baumann", "1 LayerDesign"}));
  EXPECT_EQ(choiceOrder<BRAX_CANT>(),
            (std::vector<std::string>{"0 InSystemPosition", "1 WithOriginalInclination",
                                      "2 TangentialCantileverErection", "11 AddNodesSeparateHorizontally",
                                      "12 AddNodesSeparateTangentially"}));
}

TEST(Enumerations, NamesAndLookups) {
  EXPECT_STREQ(reflection::enum_traits<Fach_Berichte>::qualified_name, "trv.control_param.Fach_Berichte");
  EXPECT_STREQ(reflection::enum_traits<BRAX_Activation>::name, "BRAX_Activation");
  ORIN_WARP warp = ORIN_WARP::NotActive;
  EXPECT_TRUE(reflection::enumerator_value("Active", warp));
  EXPECT_EQ(warp, 1);
  EXPECT_FALSE(reflection::enumerator_value("active", warp));
  EXPECT_FALSE(reflection::enumerator_value("Active ", warp));
  EXPECT_EQ(warp, 1);
  EXPECT_EQ(reflection::enumerator_name(static_cast<ORIN_WARP>(77)), nullptr);
  EXPECT_EQ(*reflection::enumerator_name(ORIN_SOLV::ParallelSparseSolver), "ParallelSparseSolver");
  // Enumerations hold any 32-bit value a stored form carries.
  ORIN_SOLV const extreme = static_cast<ORIN_SOLV>(INT32_MIN);
  EXPECT_EQ(static_cast<std::int32_t>(extreme), INT32_MIN);
}

TEST(Enumerations, EnumeratorCounts) {
  EXPECT_EQ(reflection::enum_traits<ORIN_SOLV>::maps.name_to_value.size(), 4u);
  EXPECT_EQ(reflection::enum_traits<PELU_INTE>::maps.name_to_value.size(), 5u);
  EXPECT_EQ(reflection::enum_traits<BRAX_EIGE>::maps.name_to_value.size(), 5u);
  EXPECT_EQ(reflection::enum_traits<BRAX_NMAT>::maps.value_to_name.size(), 2u);
}

}  // namespace
