// The shipped German catalogue, as the properties of every record use it through the host's translator
// set-up, and override texts as the source of choice labels.
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/trv_properties_qt/PropertyMeta.h"
#include "host/trv_properties_qt/configure_xlator.h"
#include "lib/properties/control_param/schema/records.h"
#include "properties/qt/inc/nextgen/from_bond.h"

namespace trv::control_param {
namespace {

using properties::EnumEntries;
using properties::Property;

// Properties of `Record` labelled in the language of `localeName`, with extra override folders.
template <typename Record>
std::shared_ptr<properties::Properties> build(std::string const& localeName,
                                              std::vector<std::string> overridePaths = {}) {
  properties::detail::setLabelLocale(localeName);
  properties::Configuration configuration{nullptr, std::make_shared<properties::Properties>(),
                                          nullptr, nullptr,
                                          nullptr, std::make_shared<translation::Xlator>()};
  configuration.xlator->impl().paths = std::move(overridePaths);
  properties::nextgen::from_bond<Record>(configuration, std::make_shared<container::model::Model>());
  return configuration.properties;
}

class TranslationCatalogue : public testing::Test {
 protected:
  void TearDown() override { properties::detail::setLabelLocale(""); }
};

Property const& find(properties::Properties const& properties, std::string const& id) {
  for (auto const& p : properties.list())
    if (p->id == id) return *p;
  throw std::runtime_error("no property " + id);
}

EnumEntries entries(Property const& property) {
  return boost::any_cast<EnumEntries>(property.meta->get_child("editor.entries").data());
}

// Every label, group and choice of the record differs from its English source in German (apart from words
// that are spelled alike) and equals it in English.
template <typename Record>
void checkRecord() {
  std::set<std::string> const alike{"Crisfield", "Standard", "Linear"};
  auto const german = build<Record>("de_DE.UTF-8");
  auto const english = build<Record>("en_US.UTF-8");
  reflection::for_each_field<Record>([&](auto field) {
    auto const& metadata = decltype(field)::metadata;
    std::string const* displayName = metadata.attribute("DisplayName");
    if (!displayName) return;
    SCOPED_TRACE(metadata.name);
    Property const& de = find(*german, metadata.name);
    Property const& en = find(*english, metadata.name);
    EXPECT_EQ(en.displayName, *displayName);
    EXPECT_NE(de.displayName, *displayName);
    std::string const& category = *metadata.attribute("Category");
    EXPECT_EQ(en.category, category);
    if (category.empty())
      EXPECT_EQ(de.category, "");
    else
      EXPECT_NE(de.category, category);
    if (!en.meta->get_child_optional("editor.entries")) return;
    EnumEntries const deEntries = entries(de);
    EnumEntries const enEntries = entries(en);
    ASSERT_EQ(deEntries.size(), enEntries.size());
    for (std::size_t i = 0; i < deEntries.size(); ++i) {
      std::string const name = enEntries[i].first.toStdString();
      if (alike.count(name)) continue;
      EXPECT_NE(deEntries[i].first.toStdString(), name);
    }
  });
}

TEST_F(TranslationCatalogue, EveryLabelGroupAndChoiceOfEveryRecordIsGerman) {
  checkRecord<ORIN_Control_Properties>();
  checkRecord<PELU_Control_Properties>();
  checkRecord<NEVO_Control_Properties>();
  checkRecord<Zuther_Control_Properties>();
  checkRecord<BRAX_Control_Properties>();
}

TEST_F(TranslationCatalogue, GermanTextsOfAnyCountryAndEncoding) {
  for (std::string const localeName : {"de_DE.UTF-8", "de_AT.ISO-8859-1", "de_CH"}) {
    SCOPED_TRACE(localeName);
    auto const orin = build<ORIN_Control_Properties>(localeName);
    EXPECT_EQ(find(*orin, "warp").displayName, "Wölbkrafttorsion");
    EXPECT_EQ(find(*orin, "moments").category, "Plattenbalkenanteile");
    EXPECT_EQ(find(*orin, "spri").category, "Federoptionen");
    EnumEntries const solv = entries(find(*orin, "solv"));
    ASSERT_EQ(solv.size(), 4u);
    EXPECT_EQ(solv[2].first, QString::fromUtf8("Direkter Sparse-Löser"));
    auto const pelu = build<PELU_Control_Properties>(localeName);
    EXPECT_EQ(find(*pelu, "inte").category, "Interaktion von Längsdehnung und Spannungen");
    EXPECT_EQ(entries(find(*pelu, "axia"))[3].first, QString::fromUtf8("Automatisch"));
  }
}

TEST_F(TranslationCatalogue, OverrideTextIsTheSourceOfTheChoiceLookup) {
  auto const folder = std::filesystem::temp_directory_path() / "trv_catalogue_overrides";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "trv.control_param.PELU_Control_Properties.ini")
      << "trv.control_param.PELU_AXIA;Automatic;Auto mode\n"
         "trv.control_param.PELU_AXIA;UniaxialBending;Automatic\n"
         "trv.control_param.PELU_Control_Properties.axia;DisplayName;Ignored for labels\n";
  struct Row {
    std::string localeName;
    std::vector<QString> labels;  // values -3 .. 3
  };
  std::vector<Row> const rows{
      {"en_US.UTF-8",
       {"UniaxialBendingAllYZSystem", "BiaxialBendingUnixialFibreYZSystem", "UniaxialBendingSymmetry",
        "Auto mode", "Automatic", "BiaxialBendingUnixialFibrePrincipalAxis",
        "UniaxialBendingAllPrincipalAxis"}},
      {"de_DE.UTF-8",
       {QString::fromUtf8("Einachsige Biegung um alle Achsen (y-z-System)"),
        QString::fromUtf8("Zweiachsige Biegung, einachsige Faser (y-z-System)"),
        QString::fromUtf8("Einachsige Biegung (Symmetrie)"), "Auto mode", "Automatisch",
        QString::fromUtf8("Zweiachsige Biegung, einachsige Faser (Hauptachsen)"),
        QString::fromUtf8("Einachsige Biegung um alle Hauptachsen")}},
  };
  for (auto const& row : rows) {
    SCOPED_TRACE(row.localeName);
    auto const pelu = build<PELU_Control_Properties>(row.localeName, {folder.string()});
    EnumEntries const axia = entries(find(*pelu, "axia"));
    std::vector<QString> labels;
    for (auto const& entry : axia) labels.push_back(entry.first);
    EXPECT_EQ(labels, row.labels);
    EXPECT_NE(find(*pelu, "axia").displayName, "Ignored for labels");
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trv::control_param
