// Settings trees shared between the properties of tasks: one tree per field and choice labels.
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "host/trv_properties_qt/PropertyMeta.h"
#include "host/trv_properties_qt/configure_xlator.h"
#include "lib/properties/control_param/schema/records.h"
#include "properties/qt/inc/nextgen/from_bond.h"

namespace trv::control_param {
namespace {

using properties::EnumEntries;

template <typename Record>
std::shared_ptr<properties::Properties> build(std::string const& localeName) {
  properties::detail::setLabelLocale(localeName);
  properties::Configuration configuration{nullptr, std::make_shared<properties::Properties>(),
                                          nullptr, nullptr,
                                          nullptr, std::make_shared<translation::Xlator>()};
  properties::nextgen::from_bond<Record>(configuration, std::make_shared<container::model::Model>());
  return configuration.properties;
}

class SharedMeta : public testing::Test {
 protected:
  void TearDown() override { properties::detail::setLabelLocale(""); }
};

bool hasChoices(properties::Property const& property) {
  return static_cast<bool>(property.meta->get_child_optional("editor.entries"));
}

EnumEntries const& choices(properties::Property const& property) {
  return boost::any_cast<EnumEntries const&>(property.meta->get_child("editor.entries").data());
}

// Two tasks with the same labels hold the same tree for every property.
TEST_F(SharedMeta, SameLabelsShareOneTree) {
  auto const first = build<ORIN_Control_Properties>("de_DE.UTF-8");
  auto const second = build<ORIN_Control_Properties>("de_DE.UTF-8");
  ASSERT_EQ(first->list().size(), second->list().size());
  ASSERT_FALSE(first->list().empty());
  for (std::size_t i = 0; i < first->list().size(); ++i) {
    SCOPED_TRACE(first->list()[i]->id);
    EXPECT_EQ(first->list()[i]->meta.get(), second->list()[i]->meta.get());
  }
}

// A translator with other choice labels gets trees of its own; trees without choices are still shared.
TEST_F(SharedMeta, OtherChoiceLabelsGetTheirOwnTree) {
  auto const german = build<ORIN_Control_Properties>("de_DE.UTF-8");
  auto const english = build<ORIN_Control_Properties>("en_US.UTF-8");
  ASSERT_EQ(german->list().size(), english->list().size());
  int withChoices = 0;
  for (std::size_t i = 0; i < german->list().size(); ++i) {
    auto const& de = *german->list()[i];
    auto const& en = *english->list()[i];
    SCOPED_TRACE(de.id);
    if (!hasChoices(en)) {
      EXPECT_EQ(de.meta.get(), en.meta.get());
      continue;
    }
    ++withChoices;
    ASSERT_NE(de.meta.get(), en.meta.get());
    ASSERT_EQ(choices(de).size(), choices(en).size());
    bool differs = false;
    for (std::size_t c = 0; c < choices(de).size(); ++c)
      differs = differs || choices(de)[c].first != choices(en)[c].first;
    EXPECT_TRUE(differs);
  }
  EXPECT_GT(withChoices, 0);
}

// A property made without settings reads an empty tree.
TEST(SharedMetaDefault, PropertyWithoutSettingsHoldsTheEmptyTree) {
  properties::Property property;
  ASSERT_NE(property.meta, nullptr);
  EXPECT_TRUE(property.meta->empty());
  EXPECT_EQ(property.meta.get(), properties::emptyMeta().get());
}

}  // namespace
}  // namespace trv::control_param
