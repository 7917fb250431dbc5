// The label translator: catalogue lookups by domain and context, language from the locale name,
// regeneration, and the ".ini" override files.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "translation/Xlator.h"
#include "translation/override_file.h"

namespace trv::translation {
namespace {

constexpr char const* kDomain = "trv.test.labels";

Xlator testCatalogue(std::string const& localeName) {
  Xlator xlator;
  xlator.impl().generator.add_messages_path(TRV_TEST_BINARY_DIR "/locale");
  xlator.impl().generator.add_messages_domain(kDomain);
  xlator.impl().localeName = localeName;
  return xlator;
}

class TempFolder {
 public:
  TempFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("trv_xlator_" + std::to_string(::getpid()) + '_' + std::to_string(counter()++))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::filesystem::path sub(std::string const& name) const {
    std::filesystem::create_directories(path_ / name);
    return path_ / name;
  }
  static void write(std::filesystem::path const& file, std::string const& text) {
    std::ofstream(file) << text;
  }

 private:
  static int& counter() {
    static int n = 0;
    return n;
  }
  std::filesystem::path path_;
};

TEST(TranslationXlator, WithoutCatalogueEveryTextStaysEnglish) {
  Xlator xlator;
  EXPECT_EQ(translate(xlator, kDomain, "test.context", "Hello"), "Hello");
  EXPECT_EQ(translate(xlator, "", "", "Custom"), "Custom");
  EXPECT_FALSE(xlator.impl().dirty);
  EXPECT_FALSE(overrideText(xlator, "trv.control_param.PELU_AXIA", "Automatic"));
}

TEST(TranslationXlator, CatalogueLookupsByLanguageDomainAndContext) {
  struct Row {
    std::string localeName, domain, context, message, expected;
  };
  std::vector<Row> const rows{
      {"de_DE.UTF-8", kDomain, "test.context", "Hello", "Hallo"},
      {"de_AT.ISO-8859-1", kDomain, "test.context", "Hello", "Hallo"},  // catalogues are read as UTF-8
      {"de_CH", kDomain, "test.other", "Hello", "Grüß Gott"},
      {"de", kDomain, "test.choice", "Replaced", "Ersetzt"},
      {"de_DE.UTF-8", kDomain, "test.missing", "Hello", "Hello"},
      {"de_DE.UTF-8", kDomain, "", "Hello", "Hello"},
      {"de_DE.UTF-8", "", "test.context", "Hello", "Hello"},
      {"de_DE.UTF-8", "trv.other.domain", "test.context", "Hello", "Hello"},
      {"en_US.UTF-8", kDomain, "test.context", "Hello", "Hello"},
      {"fr_FR.UTF-8", kDomain, "test.context", "Hello", "Hello"},
      {"C", kDomain, "test.context", "Hello", "Hello"},
  };
  for (auto const& row : rows) {
    SCOPED_TRACE(row.localeName + " " + row.context);
    Xlator xlator = testCatalogue(row.localeName);
    EXPECT_EQ(translate(xlator, row.domain, row.context, row.message), row.expected);
  }
}

TEST(TranslationXlator, LanguageChangesOnlyWhenMarkedDirty) {
  Xlator xlator = testCatalogue("en_GB.UTF-8");
  EXPECT_EQ(translate(xlator, kDomain, "test.context", "Hello"), "Hello");
  xlator.impl().localeName = "de_DE.UTF-8";
  EXPECT_EQ(translate(xlator, kDomain, "test.context", "Hello"), "Hello");
  xlator.impl().dirty = true;
  EXPECT_EQ(translate(xlator, kDomain, "test.context", "Hello"), "Hallo");
  Xlator const copy = xlator;  // copies share one implementation
  EXPECT_EQ(&copy.impl(), &xlator.impl());
}

TEST(TranslationXlator, DomainOfARegisteredRecord) {
  Xlator xlator;
  xlator.impl().recordDomains["trv.control_param.PELU_Control_Properties"] = "pelu.domain";
  EXPECT_EQ(domainOf(xlator, "trv.control_param.PELU_Control_Properties"), "pelu.domain");
  EXPECT_EQ(domainOf(xlator, "trv.control_param.ORIN_Control_Properties"), "");
}

TEST(TranslationXlator, OverrideLinesOfThreeOrMoreFields) {
  std::istringstream in(
      "trv.control_param.PELU_AXIA;Automatic;Selbst\n"
      "two;fields\n"
      "s;k;first;ignored;too\n"
      "s;k2; spaced \n"
      "\n"
      "s;k3;\n");
  OverrideTexts overrides;
  readOverrides(in, overrides);
  EXPECT_EQ(overrides, (OverrideTexts{{"trv.control_param.PELU_AXIA", {{"Automatic", "Selbst"}}},
                                      {"s", {{"k", "first"}, {"k2", " spaced "}, {"k3", ""}}}}));
}

TEST(TranslationXlator, LaterOverrideFilesWinByFolderThenName) {
  TempFolder temp;
  auto const first = temp.sub("first");
  auto const second = temp.sub("second");
  TempFolder::write(first / "a.ini", "sec;key;first-a\nsec;onlyA;A\n");
  TempFolder::write(first / "b.ini", "sec;key;first-b\n");
  TempFolder::write(second / "a.ini", "sec;key;second-a\nsec;key;second-a-again\n");
  Xlator xlator;
  xlator.impl().paths = {first.string(), second.string(), (temp.sub("empty")).string()};
  xlator.impl().domains = {"a", "b", "missing"};
  EXPECT_EQ(overrideText(xlator, "sec", "key"), "second-a-again");
  EXPECT_EQ(overrideText(xlator, "sec", "onlyA"), "A");
  EXPECT_FALSE(overrideText(xlator, "sec", "other"));
  EXPECT_FALSE(overrideText(xlator, "other", "key"));
}

TEST(TranslationXlator, OverridesStayUntilReplacedOnRegeneration) {
  TempFolder temp;
  auto const folder = temp.sub("o");
  TempFolder::write(folder / "a.ini", "sec;key;one\n");
  Xlator xlator;
  xlator.impl().paths = {folder.string()};
  xlator.impl().domains = {"a"};
  EXPECT_EQ(overrideText(xlator, "sec", "key"), "one");
  TempFolder::write(folder / "a.ini", "sec;other;two\n");
  xlator.impl().dirty = true;
  EXPECT_EQ(overrideText(xlator, "sec", "key"), "one");
  EXPECT_EQ(overrideText(xlator, "sec", "other"), "two");
}

TEST(TranslationXlator, AFolderThatCannotBeExaminedIsSkipped) {
  TempFolder temp;
  auto const good = temp.sub("good");
  TempFolder::write(good / "a.ini", "sec;key;good\n");
  std::string const unexaminable = (good / std::string(300, 'x')).string();  // name too long to examine
  Xlator xlator = testCatalogue("de_DE.UTF-8");
  xlator.impl().paths = {unexaminable, good.string()};
  xlator.impl().domains = {"a"};
  EXPECT_EQ(translate(xlator, kDomain, "test.context", "Hello"), "Hallo");
  EXPECT_EQ(overrideText(xlator, "sec", "key"), "good");
}

}  // namespace
}  // namespace trv::translation
