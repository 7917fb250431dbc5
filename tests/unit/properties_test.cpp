// Inspector properties built from the fields of an option record (labels, settings, value access), the
// gates of the program types' applicability rules, and choice labels taken from override files.
//
// The settings of every property of every record are kept in tests/data/golden/property_settings.txt; after
// an intended change, rewrite it and review the difference (git diff):
//   TRV_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen build/tests/trv_unit_tests --gtest_filter='Properties.*'
#include <cstdlib>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

#include <gtest/gtest.h>
#include <boost/core/demangle.hpp>
#include <boost/lexical_cast/bad_lexical_cast.hpp>

#include "host/trv_assert/SmartAssert.h"
#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/label_language.h"
#include "host/trv_qt2/ValueText.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/module_data.h"
#include "lib/properties/control_param/src/program_records.h"
#include "properties/qt/inc/nextgen/applicability.h"
#include "properties/qt/inc/nextgen/from_bond.h"

namespace trv::control_param {

// clang-format off
#define TEST_KIND(X) X(Low, -2) X(High, 7) X(Middle, 0)
#define TEST_GENERIC_RECORD(X) \
  X(0, plain, double, 1.5, ({{"DisplayName", "Plain"}})) \
  X(1, hidden, double, 0.0, ({{"Category", "Hidden"}, {"Tooltip", "t"}, {"PropertyWeight", "9"}})) \
  X(2, tipped, std::int32_t, 4, \
    ({{"DisplayName", "Tipped"}, {"Category", ""}, {"Tooltip", "Some tip"}, {"ColumnWidth", "12em"}, \
      {"ReadOnly", "true"}, {"PropertyWeight", "-3"}, {"Precision", "3 digits"}, {"MaximumValue", "2.9"}, \
      {"MinimumValue", "-7.8"}})) \
  X(3, flag, bool, true, ({{"DisplayName", "Flag"}, {"ReadOnly", "True"}, {"Editor", "checkbox"}, \
                           {"MaximumValue", "0"}, {"MinimumValue", "0.5"}})) \
  X(4, ratio, nullable<double>, {}, \
    ({{"DisplayName", "Ratio"}, {"ReadOnly", "1"}, {"Precision", "digits"}, {"MaximumValue", "1e3"}, \
      {"MinimumValue", "low"}})) \
  X(5, count, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Count"}, {"Category", "Numbers"}, {"MaximumValue", "x"}, {"MinimumValue", "1e20"}})) \
  X(6, kind, TEST_KIND, TEST_KIND::Middle, ({{"DisplayName", "Kind"}, {"Category", "Choices"}, \
                                            {"PropertyWeight", "4"}})) \
  X(7, edge, std::int32_t, 0, \
    ({{"DisplayName", "Edge"}, {"MaximumValue", "2147483647.9"}, {"MinimumValue", "-2147483648"}}))
#define TEST_BAD_WEIGHT_RECORD(X) \
  X(0, value, double, 0.0, ({{"DisplayName", "Value"}, {"PropertyWeight", "5x"}}))
// clang-format on
TRV_SCHEMA_ENUM(TEST_KIND, TEST_KIND)
TRV_SCHEMA_RECORD(TEST_Generic_Record, TEST_GENERIC_RECORD)
TRV_SCHEMA_RECORD(TEST_Bad_Weight_Record, TEST_BAD_WEIGHT_RECORD)

namespace {

using container::model::Model;
using properties::chooseLabelLanguage;
using properties::Property;

ObjectKey const kKey{0};
constexpr int kGateHandle = 9;

properties::Configuration configuration(bool withTranslator) {
  return {nullptr, std::make_shared<properties::Properties>(),
          nullptr, nullptr,
          nullptr, withTranslator ? std::make_shared<translation::Xlator>() : nullptr};
}

Property& find(properties::Properties const& properties, std::string const& id) {
  for (auto const& p : properties.list())
    if (p->id == id) return *p;
  throw std::runtime_error("no property " + id);
}

// The test record's properties, built without translator, over a model holding the default record.
struct Built {
  std::shared_ptr<Model> model = std::make_shared<Model>();
  properties::Configuration configuration = ::trv::control_param::configuration(false);
  int modifications = 0;
  Built() {
    properties::nextgen::from_bond<TEST_Generic_Record>(configuration, model);
    container::model::Transaction transaction(*model);
    transaction.insert(kKey, TEST_Generic_Record{});
    transaction.commit();
    model->modified.connect([this](auto const&) { ++modifications; });
  }
  Property& operator[](std::string const& id) const { return find(*configuration.properties, id); }
  TEST_Generic_Record const& record() const { return model->get<TEST_Generic_Record>(kKey); }
};

// One value of a settings tree as text.
std::string text(boost::any const& value) {
  std::ostringstream out;
  if (auto const* s = boost::any_cast<std::string>(&value)) out << '"' << *s << '"';
  if (auto const* b = boost::any_cast<bool>(&value)) out << std::boolalpha << *b;
  if (auto const* i = boost::any_cast<int>(&value)) out << "int " << *i;
  if (auto const* d = boost::any_cast<double>(&value)) out << "double " << *d;
  if (boost::any_cast<properties::IsEqualFunction>(&value)) out << "function";
  if (auto const* kind = boost::any_cast<properties::ValidatorKind>(&value))
    out << "kind of "
        << (kind->first == typeid(properties::EnumEntries) ? "choice"
                                                           : boost::core::demangle(kind->first.name()));
  if (auto const* entries = boost::any_cast<properties::EnumEntries>(&value))
    for (std::size_t i = 0; i < entries->size(); ++i)
      out << (i ? ", " : "[") << (*entries)[i].first.toStdString();
  return boost::any_cast<properties::EnumEntries>(&value) ? out.str() + ']' : out.str();
}

void describeTree(std::ostream& out, properties::Meta const& tree, std::string const& prefix) {
  for (auto const& [name, child] : tree) {
    if (name == "default") {  // a choice's default by its label, an unset optional as "-"
      int const entry = qt::entryIndex(tree, child.data());
      out << " default="
          << (entry >= 0 ? qt::valueText(tree, child.data()).toStdString() : text(child.data()));
      out << (child.data().empty() ? "-" : "");
    } else if (!child.data().empty()) {
      out << ' ' << prefix << name << '=' << text(child.data());
    }
    describeTree(out, child, prefix + name + '.');
  }
}

// One line per property, in list order: id, label, group, layout hints, then every valued node of its
// settings; then the conversions that failed. English first: the German trees must not be those shared for
// the English choice labels. The override texts of tests/data/choice_overrides are the source of two PELU
// choice labels (and do not touch other labels).
TEST(Properties, SettingsOfEveryPropertyOfEveryRecord) {
  std::ostringstream out;
  auto const describe = [&out](auto record, bool withTranslator) {
    auto built = configuration(withTranslator);
    if (withTranslator) built.xlator->impl().paths = {TRV_TEST_DATA_DIR "/choice_overrides"};
    smartassert::clearReports();
    properties::nextgen::from_bond<decltype(record)>(built, std::make_shared<Model>());
    for (auto const& p : built.properties->list()) {
      char const* readOnly = !p->isReadOnly ? "unset" : p->isReadOnly(kKey) ? "yes" : "no";
      out << decltype(record)::Schema::metadata.name << '.' << p->id << " \"" << p->displayName << "\" ["
          << p->category << "] weight=" << p->weight << " width=\"" << p->columnWidth << "\" tooltip=\""
          << p->tooltip << "\" read_only=" << readOnly << ':';
      describeTree(out, *p->meta, "");
      out << '\n';
    }
    for (auto const& r : smartassert::reports())
      out << "report: " << r.condition << " (" << r.file << ':' << r.line << "): " << r.message << '\n';
  };
  out << "# The test record, without translator; \"hidden\" has every attribute but \"DisplayName\".\n";
  describe(TEST_Generic_Record{}, false);
  for (std::string const localeName : {"en_US.UTF-8", "de_DE.UTF-8"}) {
    out << "# The records in " << localeName << ":\n";
    chooseLabelLanguage(localeName);
    describe(ORIN_Control_Properties{}, true), describe(PELU_Control_Properties{}, true);
    describe(NEVO_Control_Properties{}, true), describe(Zuther_Control_Properties{}, true);
    describe(BRAX_Control_Properties{}, true);
  }
  chooseLabelLanguage("");
  // What switches options off: the gate keys the program types' filters add.
  out << "# The gates of the program types (all model contents):\n";
  dbo::standin::setModel(kGateHandle, {true, true, true, true, true});
  for (int type = 0; type < kProgrammTypeCount; ++type) {
    auto const module = data::createModule(static_cast<ProgrammTypes>(type), kGateHandle);
    for (auto const& p : module->configuration->properties->list())
      if (auto const option = p->meta->get_child_optional("gate.option")) {
        auto const& gate =
            find(*module->configuration->properties, boost::any_cast<std::string>(option->data()));
        out << kProgrammTypeNames[type] << '.' << p->id << ": gate.option=" << gate.id << " gate.off_value="
            << qt::valueText(*gate.meta, p->meta->get_child("gate.off_value").data()).toStdString() << '\n';
      }
  }
  std::string const path = TRV_TEST_DATA_DIR "/golden/property_settings.txt";
  if (char const* update = std::getenv("TRV_UPDATE_GOLDEN"); update && std::string(update) == "1")
    std::ofstream(path) << out.str();
  std::ostringstream golden;
  golden << std::ifstream(path).rdbuf();
  EXPECT_EQ(out.str(), golden.str());
  auto bad = configuration(false);
  EXPECT_THROW(properties::nextgen::from_bond<TEST_Bad_Weight_Record>(bad, std::make_shared<Model>()),
               boost::bad_lexical_cast);
}

// The templates hold exactly what the inspector asks the catalogues for: with a catalogue of the templates in
// which every text translates to "[CONTEXT|TEXT]", every label, tooltip, group and choice of every record is
// such a text (or an empty group), and together they name every entry of the templates.
TEST(Properties, TemplatesHoldExactlyTheLabelsTheInspectorAsksFor) {
  std::string const markers = TRV_TEST_BINARY_DIR "/label_markers";
  std::set<std::pair<std::string, std::string>> asked, written;
  auto const take = [&asked](std::string const& label) {
    if (label.empty()) return;
    auto const bar = label.find('|');
    ASSERT_TRUE(label.front() == '[' && label.back() == ']' && bar != std::string::npos) << label;
    asked.emplace(label.substr(1, bar - 1), label.substr(bar + 1, label.size() - bar - 2));
  };
  chooseLabelLanguage("de");
  forEachModule([&](auto row) {
    using Record = typename decltype(row)::RecordType;
    std::ifstream pot(markers + "/pot/" + Record::Schema::metadata.qualified_name + ".pot");
    std::string context;
    for (std::string line; std::getline(pot, line);)
      if (line.rfind("msgctxt \"", 0) == 0)
        context = line.substr(9, line.size() - 10);
      else if (line.rfind("msgid \"", 0) == 0 && line != "msgid \"\"")
        written.emplace(context, line.substr(7, line.size() - 8));
    auto built = configuration(true);
    built.xlator->impl().generator.add_messages_path(markers);
    properties::nextgen::from_bond<Record>(built, std::make_shared<Model>());
    for (auto const& p : built.properties->list()) {
      take(p->displayName), take(p->tooltip), take(p->category);
      if (auto const entries = p->meta->get_child_optional("editor.entries"))
        for (auto const& entry : boost::any_cast<properties::EnumEntries>(entries->data()))
          take(entry.first.toStdString());
    }
  });
  chooseLabelLanguage("");
  EXPECT_FALSE(written.empty());
  EXPECT_EQ(asked, written);
}

// A value of the field's type is committed in one modification; any other value changes and emits nothing.
TEST(Properties, ValuesAreReadFromAndCommittedToTheRecord) {
  Built built;
  boost::any const none;
  std::tuple<std::string, boost::any, bool> const rows[] = {
      {"plain", 2.25, true},  {"tipped", -9, true},   {"flag", false, true},
      {"ratio", 0.0, true},   {"count", 12, true},    {"kind", TEST_KIND::High, true},
      {"ratio", none, true},  {"edge", 5, true},      {"plain", 2, false},
      {"plain", none, false}, {"tipped", 2.0, false}, {"flag", 1, false},
      {"ratio", 1.0f, false}, {"count", 3L, false},   {"kind", 7, false},
      {"kind", "High", false}};
  boost::any value;
  for (auto const& [id, given, accepted] : rows) {
    SCOPED_TRACE(id + (accepted ? " accepted" : " refused"));
    TEST_Generic_Record const before = built.record();
    int const modifications = built.modifications;
    EXPECT_EQ(built[id].setValue(kKey, given), accepted);
    EXPECT_EQ(built.modifications, modifications + (accepted ? 1 : 0));
    ASSERT_TRUE(built[id].getValue(kKey, value));
    EXPECT_TRUE(!accepted || value.type() == given.type());
    EXPECT_TRUE(accepted ? built[id].isEqual(value, given) : built.record() == before);
  }
  EXPECT_EQ(built.record().kind, TEST_KIND::High);
  EXPECT_FALSE(built.record().ratio.has_value());
  // A key the model does not hold raises, and leaves the record and the model's transactions alone.
  EXPECT_THROW(built["plain"].getValue(ObjectKey{1}, value), std::runtime_error);
  EXPECT_THROW(built["plain"].setValue(ObjectKey{5}, 3.0), std::runtime_error);
  EXPECT_EQ(built.record().plain, 2.25);
  EXPECT_EQ(built.model->current(), nullptr);
  EXPECT_EQ(built.modifications, 8);
}

TEST(Properties, EqualityAndOrderByValueType) {
  constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
  Built const built;
  boost::any const none;
  std::tuple<char const*, boost::any, boost::any, bool, bool> const rows[] = {
      {"plain", 0.1 + 0.2, 0.3, true, false},
      {"plain", 1.0, 1.0000001, false, true},
      // |a - b| is exactly |a + b| times the epsilon: not within it
      {"plain", 1.5 - kEpsilon, 1.5 + 2 * kEpsilon, false, true},

      {"plain", 0.0, 1e-310, true, true},
      {"plain", 0.0, std::numeric_limits<double>::min(), false, true},  // the smallest normal double apart
      {"plain", 1e-300, 2e-300, false, true},

      {"plain", none, none, true, false},
      {"plain", none, 1.0, false, false},
      {"plain", 1.0, 2, false, false},
      {"kind", TEST_KIND::High, TEST_KIND::High, true, false},
      {"kind", TEST_KIND::High, 7, false, false},
      {"kind", TEST_KIND::Low, TEST_KIND::Middle, false, true},
      {"count", -4, 4, false, true},
      {"count", 4, 4, true, false},
      {"flag", false, true, false, true}};
  for (auto const& [id, a, b, equal, less] : rows) {
    EXPECT_EQ(built[id].isEqual(a, b), equal) << id << ' ' << a.type().name() << ' ' << b.type().name();
    EXPECT_EQ(built[id].isLess(a, b), less) << id << ' ' << a.type().name() << ' ' << b.type().name();
  }
}

// Gated options show no value while another option switches them off, without the list being rebuilt. A
// key that holds no int gives no value without asking the model; an int key of another object does ask.
TEST(Properties, GatesFollowOtherOptionsWithoutRebuilding) {
  struct Row {
    ProgrammTypes type;
    char const* option;
    boost::any on, off;
    std::vector<char const*> gated;
  };
  Row const rows[] = {
      {ORIN_A, "t_custom", true, false, {"moments", "shearforces", "axialforces", "torsional"}},
      {PELU_B, "inte", PELU_INTE::Isotrope, PELU_INTE::Automatic, {"non_lin_strain"}}};
  dbo::standin::ElementKinds kinds;
  kinds.quads = kinds.beams = true;
  dbo::standin::setModel(4711, kinds);
  boost::any value = 42;
  for (auto const& row : rows)
    for (char const* id : row.gated) {
      SCOPED_TRACE(id);
      auto const module = data::createModule(row.type, 4711);
      auto const& properties = *module->configuration->properties;
      auto const before = properties.list();
      Property& gated = find(properties, id);
      EXPECT_FALSE(gated.getValue(data::RecordKey, value));
      ASSERT_TRUE(find(properties, row.option).setValue(data::RecordKey, row.on));
      ASSERT_TRUE(gated.getValue(data::RecordKey, value));
      ASSERT_TRUE(gated.setValue(data::RecordKey, !boost::any_cast<bool>(value)));
      ASSERT_TRUE(gated.getValue(data::RecordKey, value));
      EXPECT_EQ(boost::any_cast<bool>(value), row.type == ORIN_A);  // the T-beam components start off
      ASSERT_TRUE(find(properties, row.option).setValue(data::RecordKey, row.off));
      EXPECT_FALSE(gated.getValue(data::RecordKey, value));
      EXPECT_TRUE(find(properties, row.option).getValue(data::RecordKey, value));  // not gated itself
      EXPECT_EQ(properties.list(), before);
      for (ObjectKey const& key : {ObjectKey{std::string("0")}, ObjectKey{0.0}, ObjectKey{0L}})
        EXPECT_FALSE(gated.getValue(key, value));
      EXPECT_THROW(gated.getValue(ObjectKey{3}, value), std::runtime_error);
    }
}

TEST(Properties, AnIdOutsideTheRuleTableIsDropped) {
  auto built = configuration(false);
  for (std::string id : {"solv", "foreign", "SOLV", "warp"}) {
    built.properties->add(std::make_shared<Property>());
    built.properties->list().back()->id = id;
  }
  properties::nextgen::filterApplicableProperties(built, ModelContent{true, true, true, true, true},
                                                  {{"warp", 13}, {"solv", 16}}, nullptr);
  std::vector<std::string> kept;
  for (auto const& p : built.properties->list()) kept.push_back(p->id);
  EXPECT_EQ(kept, (std::vector<std::string>{"solv", "warp"}));
}

}  // namespace
}  // namespace trv::control_param
