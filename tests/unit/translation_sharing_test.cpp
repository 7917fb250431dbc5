// Translators share generated locales, catalogue texts and parsed override files: the same set-up shares,
// any difference in set-up or language keeps its own, and no translator's results change by sharing.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <boost/locale/generator.hpp>
#include <boost/locale/message.hpp>

#include "translation/Xlator.h"

namespace trv::translation {
namespace {

constexpr char const* kDomain = "trv.test.labels";
std::string const kCatalogues = TRV_TEST_BINARY_DIR "/locale";

using Configure = std::function<void(Xlator::Impl&)>;

Xlator translator(std::string const& localeName, Configure const& configure) {
  Xlator xlator;
  configure(xlator.impl());
  xlator.impl().localeName = localeName;
  return xlator;
}

void reference(Xlator::Impl& impl) {
  impl.generator.add_messages_path(kCatalogues);
  impl.generator.add_messages_domain(kDomain);
}

std::string hello(Xlator& xlator) {
  return translate(xlator, kDomain, "test.context", "Hello");
}

boost::locale::message_format<char> const* messages(Xlator const& xlator) {
  auto const& locale = xlator.impl().locale;
  if (!std::has_facet<boost::locale::message_format<char>>(locale)) return nullptr;
  return &std::use_facet<boost::locale::message_format<char>>(locale);
}

// A folder of this process alone (test processes of several builds run side by side).
std::filesystem::path scratchFolder(std::string const& name) {
  return std::filesystem::temp_directory_path() / ("trv_sharing_" + std::to_string(getpid()) + "_" + name);
}

class EnvironmentLocale {
 public:
  EnvironmentLocale() {
    if (char const* value = std::getenv("LC_ALL")) saved_ = value;
  }
  ~EnvironmentLocale() {
    if (saved_)
      setenv("LC_ALL", saved_->c_str(), 1);
    else
      unsetenv("LC_ALL");
  }
  static void set(char const* name) { setenv("LC_ALL", name, 1); }

 private:
  std::optional<std::string> saved_;
};

TEST(TranslationSharing, TheSameSetUpSharesOneLocale) {
  Xlator first = translator("de_DE.UTF-8", reference);
  Xlator second = translator("de_AT.ISO-8859-1", reference);  // the same language: the same catalogues
  EXPECT_EQ(hello(first), "Hallo");
  EXPECT_EQ(hello(second), "Hallo");
  EXPECT_TRUE(first.impl().locale == second.impl().locale);
  ASSERT_NE(messages(first), nullptr);
  EXPECT_EQ(messages(first), messages(second));
}

TEST(TranslationSharing, EveryDifferenceInSetUpOrLanguageKeepsItsOwnLocale) {
  std::filesystem::path const empty = scratchFolder("empty_catalogues");
  std::filesystem::create_directories(empty);
  struct Row {
    char const* name;
    std::string localeName;
    Configure configure;
    std::string expected;
  };
  std::vector<Row> const rows{
      {"no domain", "de_DE.UTF-8", [](Xlator::Impl& i) { i.generator.add_messages_path(kCatalogues); },
       "Hello"},
      {"other folder", "de_DE.UTF-8",
       [&](Xlator::Impl& i) {
         i.generator.add_messages_path(empty.string());
         i.generator.add_messages_domain(kDomain);
       },
       "Hello"},
      {"domains cleared", "de_DE.UTF-8",
       [](Xlator::Impl& i) {
         reference(i);
         i.generator.clear_domains();
       },
       "Hello"},
      {"paths cleared", "de_DE.UTF-8",
       [](Xlator::Impl& i) {
         reference(i);
         i.generator.clear_paths();
       },
       "Hello"},
      {"a further domain", "de_DE.UTF-8",
       [](Xlator::Impl& i) {
         reference(i);
         i.generator.add_messages_domain("trv.other.domain");
       },
       "Hallo"},
      {"English", "en_US.UTF-8", reference, "Hello"},
      {"French", "fr_FR.UTF-8", reference, "Hello"},
  };
  Xlator shared = translator("de_DE.UTF-8", reference);
  EXPECT_EQ(hello(shared), "Hallo");
  for (auto const& row : rows) {
    SCOPED_TRACE(row.name);
    Xlator other = translator(row.localeName, row.configure);
    EXPECT_EQ(hello(other), row.expected);
    EXPECT_FALSE(other.impl().locale == shared.impl().locale);
    Xlator again = translator("de_DE.UTF-8", reference);  // the shared locale is untouched by the others
    EXPECT_EQ(hello(again), "Hallo");
    EXPECT_TRUE(again.impl().locale == shared.impl().locale);
  }
  std::filesystem::remove_all(empty);
}

TEST(TranslationSharing, RegenerationAfterALanguageChangeTakesTheOtherSharedLocale) {
  Xlator xlator = translator("de_DE.UTF-8", reference);
  Xlator english = translator("en_GB.UTF-8", reference);
  EXPECT_EQ(hello(xlator), "Hallo");
  EXPECT_EQ(hello(english), "Hello");
  xlator.impl().localeName = "en_US.UTF-8";
  EXPECT_EQ(hello(xlator), "Hallo");  // not marked
  xlator.impl().dirty = true;
  EXPECT_EQ(hello(xlator), "Hello");
  EXPECT_TRUE(xlator.impl().locale == english.impl().locale);
}

TEST(TranslationSharing, AnEmptyLocaleNameFollowsTheEnvironmentAtEachRegeneration) {
  EnvironmentLocale const environment;
  struct Row {
    char const* environment;
    char const* expected;
  };
  for (Row const row : {Row{"de_DE.UTF-8", "Hallo"}, Row{"en_US.UTF-8", "Hello"}, Row{"de_CH.UTF-8", "Hallo"},
                        Row{"C", "Hello"}}) {
    SCOPED_TRACE(row.environment);
    EnvironmentLocale::set(row.environment);
    Xlator xlator = translator("", reference);
    EXPECT_EQ(hello(xlator), row.expected);
  }
}

TEST(TranslationSharing, ALocaleSetByHandIsLookedUpAsItIs) {
  boost::locale::generator generator;
  generator.add_messages_path(kCatalogues);
  generator.add_messages_domain(kDomain);
  struct Row {
    char const* name;
    std::locale locale;
    char const* expected;
  };
  std::vector<Row> const rows{{"own German locale", generator("de.UTF-8"), "Hallo"},
                              {"own English locale", generator("en.UTF-8"), "Hello"},
                              {"classic locale", std::locale::classic(), "Hello"}};
  for (auto const& row : rows) {
    SCOPED_TRACE(row.name);
    Xlator xlator;
    xlator.impl().dirty = false;
    xlator.impl().locale = row.locale;
    EXPECT_EQ(hello(xlator), row.expected);
    EXPECT_EQ(hello(xlator), row.expected);
  }
}

TEST(TranslationSharing, RememberedTextsAreTheCataloguesForEveryContextAndMessage) {
  struct Row {
    std::string domain, context, message, expected;
  };
  std::vector<Row> const rows{
      {kDomain, "test.context", "Hello", "Hallo"},
      {kDomain, "test.other", "Hello", "Grüß Gott"},
      {kDomain, "test.choice", "Replaced", "Ersetzt"},
      {kDomain, "test.context", "Replaced", "Replaced"},
      {kDomain, "test.other", "Hallo", "Hallo"},
      {"", "test.context", "Hello", "Hello"},
      {kDomain, "", "Hello", "Hello"},
      {kDomain, "test.context", "", ""},
  };
  for (int round = 0; round < 2; ++round)
    for (auto const& row : rows) {
      SCOPED_TRACE(row.context + "/" + row.message);
      Xlator xlator = translator("de_DE.UTF-8", reference);
      EXPECT_EQ(translate(xlator, row.domain, row.context, row.message), row.expected);
    }
}

TEST(TranslationSharing, OverrideFilesAreSharedUntilTheyChange) {
  std::filesystem::path const folder = scratchFolder("overrides");
  std::filesystem::create_directories(folder);
  auto const write = [&](std::string const& text) { std::ofstream(folder / "a.ini") << text; };
  auto const withOverrides = [&] {
    Xlator xlator;
    xlator.impl().paths = {folder.string()};
    xlator.impl().domains = {"a"};
    return xlator;
  };
  write("sec;key;one\n");
  Xlator first = withOverrides();
  Xlator second = withOverrides();
  EXPECT_EQ(overrideText(first, "sec", "key"), "one");
  EXPECT_EQ(overrideText(second, "sec", "key"), "one");
  write("sec;key;changed\nsec;more;two\n");
  Xlator third = withOverrides();
  EXPECT_EQ(overrideText(third, "sec", "key"), "changed");
  EXPECT_EQ(overrideText(third, "sec", "more"), "two");
  EXPECT_EQ(overrideText(first, "sec", "key"), "one");  // not marked: keeps what it read
  EXPECT_FALSE(overrideText(first, "sec", "more"));
  first.impl().dirty = true;
  EXPECT_EQ(overrideText(first, "sec", "key"), "changed");
  EXPECT_EQ(overrideText(first, "sec", "more"), "two");
  std::filesystem::remove(folder / "a.ini");
  Xlator fourth = withOverrides();
  EXPECT_FALSE(overrideText(fourth, "sec", "key"));  // a removed file is not served from memory
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace trv::translation
