// Properties built from the fields of a record: attributes, meta keys and their value types, value access
// through transactions, equality and order.
#include <cstdint>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include <gtest/gtest.h>
#include <boost/lexical_cast/bad_lexical_cast.hpp>

#include "container/model/Transaction.h"
#include "host/trv_assert/SmartAssert.h"
#include "host/trv_properties_qt/PropertyMeta.h"
#include "properties/qt/inc/nextgen/from_bond.h"

namespace trv::control_param {

#define TEST_KIND(X) \
  X(Low, -2)         \
  X(High, 7)         \
  X(Middle, 0)
TRV_SCHEMA_ENUM(TEST_KIND, TEST_KIND)

// clang-format off
#define TEST_GENERIC_RECORD(X) \
  X(0, plain, double, 1.5, ({{"DisplayName", "Plain"}})) \
  X(1, hidden, double, 0.0, ({{"Category", "Hidden"}, {"Tooltip", "t"}, {"PropertyWeight", "9"}})) \
  X(2, tipped, std::int32_t, 4, \
    ({{"DisplayName", "Tipped"}, {"Category", ""}, {"Tooltip", "Some tip"}, {"ColumnWidth", "12em"}, \
      {"ReadOnly", "true"}, {"PropertyWeight", "-3"}, {"Precision", "3 digits"}, {"MaximumValue", "2.9"}, \
      {"MinimumValue", "-7.8"}})) \
  X(3, flag, bool, true, ({{"DisplayName", "Flag"}, {"ReadOnly", "True"}, {"Editor", "checkbox"}})) \
  X(4, ratio, nullable<double>, {}, \
    ({{"DisplayName", "Ratio"}, {"ReadOnly", "1"}, {"Precision", "digits"}, {"MaximumValue", "1e3"}, \
      {"MinimumValue", "low"}})) \
  X(5, count, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Count"}, {"Category", "Numbers"}, {"MaximumValue", "x"}, {"MinimumValue", "1e20"}})) \
  X(6, kind, TEST_KIND, TEST_KIND::Middle, ({{"DisplayName", "Kind"}, {"Category", "Choices"}}))
// clang-format on
TRV_SCHEMA_RECORD(TEST_Generic_Record, TEST_GENERIC_RECORD)

// clang-format off
#define TEST_BAD_WEIGHT_RECORD(X) \
  X(0, value, double, 0.0, ({{"DisplayName", "Value"}, {"PropertyWeight", "5x"}}))
// clang-format on
TRV_SCHEMA_RECORD(TEST_Bad_Weight_Record, TEST_BAD_WEIGHT_RECORD)

namespace {

using container::model::Model;
using container::model::Transaction;
using properties::Configuration;
using properties::EnumEntries;
using properties::IsEqualFunction;
using properties::Property;
using properties::ValidatorKind;

const ObjectKey kKey{0};

struct Built {
  std::shared_ptr<Model> model = std::make_shared<Model>();
  Configuration configuration{nullptr, std::make_shared<properties::Properties>(), nullptr, nullptr, nullptr,
                              nullptr};

  Built() {
    smartassert::clearReports();
    properties::nextgen::from_bond<TEST_Generic_Record>(configuration, model);
    Transaction transaction(*model);
    transaction.insert(kKey, TEST_Generic_Record{});
    transaction.commit();
  }

  Property& property(std::string const& id) {
    for (auto const& p : configuration.properties->list())
      if (p->id == id) return *p;
    throw std::runtime_error("no property " + id);
  }
  TEST_Generic_Record const& record() const { return model->get<TEST_Generic_Record>(kKey); }
};

template <typename T>
T metaValue(Property const& property, std::string const& key) {
  auto const child = property.meta->get_child_optional(key);
  if (!child) throw std::runtime_error("no meta key " + key);
  return boost::any_cast<T>(child->data());
}

std::vector<std::string> ids(properties::Properties const& properties) {
  std::vector<std::string> result;
  for (auto const& p : properties.list()) result.push_back(p->id);
  return result;
}

TEST(InspectorFromBond, OnePropertyPerDisplayedFieldOrderedByPositiveWeight) {
  Built built;
  // "hidden" has every attribute but "DisplayName"; "tipped" has a negative weight and does not sort.
  EXPECT_EQ(ids(*built.configuration.properties),
            (std::vector<std::string>{"plain", "tipped", "flag", "ratio", "count", "kind"}));
}

TEST(InspectorFromBond, AttributesWithoutTranslator) {
  Built built;
  struct Row {
    std::string id, displayName, tooltip, category, columnWidth;
    std::int32_t weight;
  };
  std::vector<Row> const rows{{"plain", "Plain", "", "General", "", 0},
                              {"tipped", "Tipped", "Some tip", "", "12em", -3},
                              {"count", "Count", "", "Numbers", "", 0},
                              {"kind", "Kind", "", "Choices", "", 0}};
  for (auto const& row : rows) {
    SCOPED_TRACE(row.id);
    Property const& p = built.property(row.id);
    EXPECT_EQ(p.displayName, row.displayName);
    EXPECT_EQ(p.tooltip, row.tooltip);
    EXPECT_EQ(p.category, row.category);
    EXPECT_EQ(p.columnWidth, row.columnWidth);
    EXPECT_EQ(p.weight, row.weight);
  }
}

TEST(InspectorFromBond, ReadOnlyOnlyForTheExactTextTrue) {
  Built built;
  EXPECT_FALSE(built.property("plain").isReadOnly);
  ASSERT_TRUE(built.property("tipped").isReadOnly);
  EXPECT_TRUE(built.property("tipped").isReadOnly(kKey));
  ASSERT_TRUE(built.property("flag").isReadOnly);
  EXPECT_FALSE(built.property("flag").isReadOnly(kKey));
  ASSERT_TRUE(built.property("ratio").isReadOnly);
  EXPECT_FALSE(built.property("ratio").isReadOnly(ObjectKey{std::string("other key")}));
}

TEST(InspectorFromBond, MetaKeysOfEachValueType) {
  Built built;
  using Keys = std::vector<std::string>;
  auto keysOf = [](Property const& p) {
    Keys keys;
    std::function<void(properties::Meta const&, std::string const&)> walk = [&](auto const& tree,
                                                                                auto const& prefix) {
      for (auto const& [name, child] : tree) {
        std::string const path = prefix.empty() ? name : prefix + "." + name;
        if (!child.data().empty()) keys.push_back(path);
        walk(child, path);
      }
    };
    walk(*p.meta, "");
    std::sort(keys.begin(), keys.end());
    return keys;
  };
  Keys const arithmetic{"editor.is_equal",         "editor.kind",        "editor.validator.kind",
                        "meta.type.is_arithmetic", "validator.is_equal", "validator.kind"};
  EXPECT_EQ(keysOf(built.property("plain")), arithmetic);
  EXPECT_EQ(keysOf(built.property("tipped")),
            (Keys{"editor.is_equal", "editor.kind", "editor.validator.kind", "editor.validator.maximum",
                  "editor.validator.minimum", "editor.validator.precision", "meta.type.is_arithmetic",
                  "validator.is_equal", "validator.kind", "validator.maximum", "validator.minimum",
                  "validator.precision"}));
  EXPECT_EQ(keysOf(built.property("flag")),
            (Keys{"editor.is_equal", "editor.kind", "editor.validator.kind", "is_bool",
                  "meta.type.is_arithmetic", "validator.is_equal", "validator.kind"}));
  EXPECT_EQ(keysOf(built.property("ratio")),
            (Keys{"editor.is_equal", "editor.kind", "editor.validator.kind", "editor.validator.maximum",
                  "editor.validator.optional", "meta.type.is_arithmetic", "validator.is_equal",
                  "validator.kind", "validator.maximum", "validator.optional"}));
  EXPECT_EQ(keysOf(built.property("count")),
            (Keys{"editor.is_equal", "editor.kind", "editor.validator.kind", "editor.validator.optional",
                  "meta.type.is_arithmetic", "validator.is_equal", "validator.kind", "validator.optional"}));
  EXPECT_EQ(keysOf(built.property("kind")),
            (Keys{"editor.entries", "editor.is_equal", "editor.kind", "editor.validator.kind",
                  "validator.entries", "validator.is_equal", "validator.kind"}));
}

TEST(InspectorFromBond, MetaValueTypes) {
  Built built;
  Property const& plain = built.property("plain");
  EXPECT_EQ(metaValue<ValidatorKind>(plain, "validator.kind"), ValidatorKind(typeid(double), ""));
  EXPECT_EQ(metaValue<ValidatorKind>(plain, "editor.validator.kind"), ValidatorKind(typeid(double), ""));
  EXPECT_EQ(metaValue<std::string>(plain, "editor.kind"), "lineedit");
  EXPECT_TRUE(metaValue<bool>(plain, "meta.type.is_arithmetic"));
  IsEqualFunction const equal = metaValue<IsEqualFunction>(plain, "editor.is_equal");
  EXPECT_TRUE(equal(boost::any(0.1 + 0.2), boost::any(0.3)));
  EXPECT_EQ(metaValue<IsEqualFunction>(plain, "validator.is_equal"), equal);

  Property const& tipped = built.property("tipped");
  EXPECT_EQ(metaValue<ValidatorKind>(tipped, "validator.kind"), ValidatorKind(typeid(std::int32_t), ""));
  EXPECT_EQ(metaValue<int>(tipped, "validator.precision"), 3);
  EXPECT_EQ(metaValue<int>(tipped, "editor.validator.precision"), 3);
  EXPECT_EQ(metaValue<std::int32_t>(tipped, "validator.maximum"), 2);  // 2.9 truncated toward zero
  EXPECT_EQ(metaValue<std::int32_t>(tipped, "editor.validator.maximum"), 2);
  EXPECT_EQ(metaValue<std::int32_t>(tipped, "validator.minimum"), -7);

  Property const& flag = built.property("flag");
  EXPECT_EQ(metaValue<ValidatorKind>(flag, "validator.kind"), ValidatorKind(typeid(bool), ""));
  EXPECT_TRUE(metaValue<bool>(flag, "is_bool"));
  EXPECT_EQ(metaValue<std::string>(flag, "editor.kind"), "checkbox");  // the "Editor" attribute

  Property const& ratio = built.property("ratio");
  EXPECT_TRUE(metaValue<bool>(ratio, "validator.optional"));
  EXPECT_TRUE(metaValue<bool>(ratio, "editor.validator.optional"));
  EXPECT_EQ(metaValue<ValidatorKind>(ratio, "validator.kind"), ValidatorKind(typeid(double), ""));
  EXPECT_EQ(metaValue<double>(ratio, "validator.maximum"), 1000.0);

  Property const& kind = built.property("kind");
  EXPECT_EQ(metaValue<ValidatorKind>(kind, "validator.kind"), ValidatorKind(typeid(EnumEntries), ""));
  EXPECT_EQ(metaValue<std::string>(kind, "editor.kind"), "named_value_list");
  auto const entries = metaValue<EnumEntries>(kind, "editor.entries");
  ASSERT_EQ(entries.size(), 3u);
  std::vector<std::pair<QString, TEST_KIND>> const expected{
      {"Low", TEST_KIND::Low}, {"Middle", TEST_KIND::Middle}, {"High", TEST_KIND::High}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(entries[i].first, expected[i].first);
    EXPECT_EQ(boost::any_cast<TEST_KIND>(entries[i].second), expected[i].second);
  }
  EXPECT_EQ(metaValue<EnumEntries>(kind, "validator.entries").size(), 3u);
}

TEST(InspectorFromBond, ConversionFailuresAreReportedWithTheirLines) {
  Built built;
  std::vector<int> lines;
  for (auto const& report : smartassert::reports()) {
    EXPECT_EQ(report.condition, "0");
    EXPECT_EQ(report.file, "properties/qt/inc/nextgen/from_bond");
    EXPECT_EQ(report.message, "Conversion failed.");
    lines.push_back(report.line);
  }
  // ratio: precision "digits", minimum "low"; count: maximum "x", minimum 1e20 (out of the int32 range).
  EXPECT_EQ(lines, (std::vector<int>{192, 415, 402, 415}));
}

TEST(InspectorFromBond, UnparsableWeightRaises) {
  Configuration configuration{nullptr, std::make_shared<properties::Properties>(), nullptr, nullptr, nullptr,
                              nullptr};
  EXPECT_THROW(
      properties::nextgen::from_bond<TEST_Bad_Weight_Record>(configuration, std::make_shared<Model>()),
      boost::bad_lexical_cast);
}

TEST(InspectorFromBond, GetValueReadsTheRecord) {
  Built built;
  boost::any value;
  ASSERT_TRUE(built.property("plain").getValue(kKey, value));
  EXPECT_EQ(boost::any_cast<double>(value), 1.5);
  ASSERT_TRUE(built.property("ratio").getValue(kKey, value));
  EXPECT_TRUE(value.empty());
  ASSERT_TRUE(built.property("kind").getValue(kKey, value));
  EXPECT_EQ(boost::any_cast<TEST_KIND>(value), TEST_KIND::Middle);
  EXPECT_THROW(built.property("plain").getValue(ObjectKey{1}, value), std::runtime_error);
}

TEST(InspectorFromBond, SetValueCommitsOneModification) {
  Built built;
  int modified = 0;
  built.model->modified.connect([&](auto const&) { ++modified; });
  struct Row {
    std::string id;
    boost::any value;
  };
  std::vector<Row> const rows{{"plain", 2.25}, {"tipped", std::int32_t{-9}}, {"flag", false},
                              {"ratio", 0.0},  {"count", std::int32_t{12}},  {"kind", TEST_KIND::High}};
  for (auto const& row : rows) EXPECT_TRUE(built.property(row.id).setValue(kKey, row.value)) << row.id;
  EXPECT_EQ(modified, 6);
  TEST_Generic_Record expected;
  expected.plain = 2.25;
  expected.tipped = -9;
  expected.flag = false;
  expected.ratio = 0.0;
  expected.count = 12;
  expected.kind = TEST_KIND::High;
  EXPECT_EQ(built.record(), expected);

  EXPECT_TRUE(built.property("ratio").setValue(kKey, boost::any()));  // empty clears an optional
  EXPECT_FALSE(built.record().ratio.has_value());
}

TEST(InspectorFromBond, SetValueOfAnotherTypeChangesAndCommitsNothing) {
  Built built;
  int modified = 0;
  built.model->modified.connect([&](auto const&) { ++modified; });
  struct Row {
    std::string id;
    boost::any value;
  };
  std::vector<Row> const rows{
      {"plain", 2},    {"plain", boost::any()},    {"tipped", 2.0},           {"flag", 1},
      {"ratio", 1.0f}, {"count", std::int64_t{3}}, {"kind", std::int32_t{7}}, {"kind", std::string("High")}};
  for (auto const& row : rows) EXPECT_FALSE(built.property(row.id).setValue(kKey, row.value)) << row.id;
  EXPECT_EQ(modified, 0);
  EXPECT_EQ(built.record(), TEST_Generic_Record{});
}

TEST(InspectorFromBond, SetValueOnAnUnknownKeyLeavesTheRecord) {
  Built built;
  EXPECT_THROW(built.property("plain").setValue(ObjectKey{5}, 3.0), std::runtime_error);
  EXPECT_EQ(built.record(), TEST_Generic_Record{});
  EXPECT_EQ(built.model->current(), nullptr);
}

TEST(InspectorFromBond, EqualityAndOrder) {
  Built built;
  Property const& plain = built.property("plain");
  struct Row {
    boost::any a, b;
    bool equal;
  };
  std::vector<Row> const doubles{{0.1 + 0.2, 0.3, true},
                                 {1.0, 1.0000001, false},
                                 {0.0, 0.0, true},
                                 {0.0, -0.0, true},
                                 {boost::any(), boost::any(), true},
                                 {boost::any(), 1.0, false},
                                 {1.0, 1, false}};
  for (std::size_t i = 0; i < doubles.size(); ++i)
    EXPECT_EQ(plain.isEqual(doubles[i].a, doubles[i].b), doubles[i].equal) << i;
  EXPECT_TRUE(plain.isLess(boost::any(1.0), boost::any(2.0)));
  EXPECT_FALSE(plain.isLess(boost::any(2.0), boost::any(1.0)));
  EXPECT_FALSE(plain.isLess(boost::any(), boost::any(1.0)));
  EXPECT_FALSE(plain.isLess(boost::any(1), boost::any(2)));

  Property const& kind = built.property("kind");
  EXPECT_TRUE(kind.isEqual(boost::any(TEST_KIND::High), boost::any(TEST_KIND::High)));
  EXPECT_FALSE(kind.isEqual(boost::any(TEST_KIND::High), boost::any(std::int32_t{7})));
  EXPECT_TRUE(kind.isLess(boost::any(TEST_KIND::Low), boost::any(TEST_KIND::Middle)));
  Property const& count = built.property("count");
  EXPECT_TRUE(count.isEqual(boost::any(std::int32_t{4}), boost::any(std::int32_t{4})));
  EXPECT_TRUE(count.isLess(boost::any(std::int32_t{-4}), boost::any(std::int32_t{4})));
}

TEST(InspectorFromBond, PositiveWeightsResortStably) {
  properties::Properties properties;
  std::vector<std::int32_t> const weights{0, 5, 0, 7};
  for (std::size_t i = 0; i < weights.size(); ++i) {
    auto property = std::make_shared<Property>();
    property->id = std::to_string(i);
    property->weight = weights[i];
    properties.add(property);
  }
  EXPECT_EQ(ids(properties), (std::vector<std::string>{"3", "1", "0", "2"}));
}

}  // namespace
}  // namespace trv::control_param
