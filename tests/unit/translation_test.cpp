// The label translator: catalogue lookups by language, domain and context, regeneration, the ".ini"
// override files, and the locales, catalogue texts and override files that translators share.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <boost/locale/generator.hpp>
#include <boost/locale/message.hpp>

#include "translation/Xlator.h"
#include "translation/override_file.h"

namespace trv::translation {
namespace {

namespace fs = std::filesystem;
constexpr char const* kDomain = "trv.test.labels";

// A folder of this process alone (test programs of several builds run side by side), removed afterwards.
struct Scratch {
  static inline int count = 0;
  fs::path path = fs::temp_directory_path() /
                  ("trv_translation_" + std::to_string(getpid()) + '_' + std::to_string(count++));
  ~Scratch() { fs::remove_all(path); }
  fs::path folder(std::string const& name) const { return fs::create_directories(path / name), path / name; }
};

void write(fs::path const& file, std::string const& text) {
  std::ofstream(file) << text;
}

// Catalogue set-ups, applied alike to a translator's generator and to a Boost.Locale generator.
enum class Catalogue { None, Catalogue, NoDomain, EmptyFolder, DomainsCleared, PathsCleared, FurtherDomain };
template <typename Generator>
void configure(Generator& generator, Catalogue catalogue, std::string const& emptyFolder = {}) {
  if (catalogue == Catalogue::None) return;
  generator.add_messages_path(catalogue == Catalogue::EmptyFolder ? emptyFolder
                                                                  : TRV_TEST_BINARY_DIR "/locale");
  if (catalogue == Catalogue::FurtherDomain) generator.add_messages_domain("trv.other.domain");
  if (catalogue != Catalogue::NoDomain) generator.add_messages_domain(kDomain);
  if (catalogue == Catalogue::DomainsCleared) generator.clear_domains();
  if (catalogue == Catalogue::PathsCleared) generator.clear_paths();
}

Xlator translator(std::string const& localeName, Catalogue catalogue = Catalogue::Catalogue) {
  Xlator xlator;
  configure(xlator.impl().generator, catalogue);
  xlator.impl().localeName = localeName;
  return xlator;
}

Xlator overrideReader(std::vector<fs::path> const& folders, std::vector<std::string> const& names) {
  Xlator xlator;
  for (auto const& folder : folders) xlator.impl().paths.push_back(folder.string());
  xlator.impl().domains = names;
  return xlator;
}

std::string hello(Xlator& xlator) {
  return translate(xlator, kDomain, "test.context", "Hello");
}

TEST(Translation, CatalogueLookupsByLanguageDomainAndContext) {
  struct Row {
    std::string localeName, domain, context, message, expected;
  };
  Row const rows[] = {
      {"de_DE.UTF-8", kDomain, "test.context", "Hello", "Hallo"},
      {"de_AT.ISO-8859-1", kDomain, "test.other", "Hello", "Grüß Gott"},  // catalogues are read as UTF-8
      {"de_CH", kDomain, "test.choice", "Replaced", "Ersetzt"},
      {"de", kDomain, "test.context", "Replaced", "Replaced"},
      {"de_DE.UTF-8", kDomain, "test.missing", "Hello", "Hello"},
      {"de_DE.UTF-8", kDomain, "", "Hello", "Hello"},
      {"de_DE.UTF-8", "", "test.context", "Hello", "Hello"},
      {"de_DE.UTF-8", "trv.other.domain", "test.context", "Hello", "Hello"},
      {"en_US.UTF-8", kDomain, "test.context", "Hello", "Hello"},
      {"C", kDomain, "test.context", "Hello", "Hello"},
  };
  for (auto const& row : rows) {
    Xlator xlator = translator(row.localeName);
    EXPECT_EQ(translate(xlator, row.domain, row.context, row.message), row.expected)
        << row.localeName << ' ' << row.context;
  }
}

// Translators share generated locales and the texts looked up in them: whatever the set-up, language and
// order of lookups, a translator gives what a locale generated for it alone gives.
TEST(Translation, SharedLocalesGiveWhatUnsharedOnesGive) {
  Scratch scratch;
  std::string const empty = scratch.folder("empty").string();
  struct Lookup {
    std::string domain, context, message;
  };
  Lookup const lookups[] = {
      {kDomain, "test.context", "Hello"},          {kDomain, "test.other", "Hello"},
      {kDomain, "test.choice", "Replaced"},        {kDomain, "test.context", "Replaced"},
      {"trv.other.domain", "test.other", "Hello"}, {"", "test.context", "Hello"}};
  for (int round = 0; round < 2; ++round)
    for (auto const catalogue :
         {Catalogue::None, Catalogue::Catalogue, Catalogue::NoDomain, Catalogue::EmptyFolder,
          Catalogue::DomainsCleared, Catalogue::PathsCleared, Catalogue::FurtherDomain})
      for (std::string const localeName : {"de_DE.UTF-8", "en_US.UTF-8", "fr_FR.UTF-8"}) {
        boost::locale::generator generator;
        configure(generator, catalogue, empty);
        std::locale const unshared = generator(localeName);
        Xlator shared;
        configure(shared.impl().generator, catalogue, empty);
        shared.impl().localeName = localeName;
        for (auto const& l : lookups)
          EXPECT_EQ(translate(shared, l.domain, l.context, l.message),
                    boost::locale::translate(l.context, l.message).str(unshared, l.domain))
              << static_cast<int>(catalogue) << ' ' << localeName << ' ' << l.context << ' ' << l.message;
      }
  // A locale set by hand is looked up as it is.
  boost::locale::generator generator;
  configure(generator, Catalogue::Catalogue);
  for (auto const& [locale, expected] :
       {std::pair{generator("de.UTF-8"), "Hallo"}, std::pair{generator("en.UTF-8"), "Hello"},
        std::pair{std::locale::classic(), "Hello"}}) {
    Xlator xlator;
    xlator.impl().dirty = false;
    xlator.impl().locale = locale;
    EXPECT_EQ(hello(xlator), expected);
    EXPECT_EQ(hello(xlator), expected);
  }
}

TEST(Translation, AnEmptyLocaleNameFollowsTheEnvironmentAtEachRegeneration) {
  char const* saved = std::getenv("LC_ALL");
  std::optional<std::string> const before = saved ? std::optional<std::string>(saved) : std::nullopt;
  for (auto const& [environment, expected] : {std::pair{"de_DE.UTF-8", "Hallo"},
                                              {"en_US.UTF-8", "Hello"},
                                              {"de_CH.UTF-8", "Hallo"},
                                              {"C", "Hello"}}) {
    setenv("LC_ALL", environment, 1);
    Xlator xlator = translator("");
    EXPECT_EQ(hello(xlator), expected) << environment;
  }
  if (before)
    setenv("LC_ALL", before->c_str(), 1);
  else
    unsetenv("LC_ALL");
}

TEST(Translation, LanguageChangesOnlyWhenMarkedDirty) {
  Xlator xlator = translator("en_GB.UTF-8");
  EXPECT_EQ(hello(xlator), "Hello");
  xlator.impl().localeName = "de_DE.UTF-8";
  EXPECT_EQ(hello(xlator), "Hello");
  Xlator const copy = xlator;  // copies share one set-up: marking one marks all
  copy.impl().dirty = true;
  EXPECT_EQ(hello(xlator), "Hallo");
}

TEST(Translation, DomainOfARegisteredRecord) {
  Xlator xlator;
  xlator.impl().recordDomains["trv.control_param.PELU_Control_Properties"] = "pelu.domain";
  EXPECT_EQ(domainOf(xlator, "trv.control_param.PELU_Control_Properties"), "pelu.domain");
  EXPECT_EQ(domainOf(xlator, "trv.control_param.ORIN_Control_Properties"), "");
}

TEST(Translation, OverrideLinesOfThreeOrMoreFields) {
  std::istringstream in(
      "trv.control_param.PELU_AXIA;Automatic;Selbst\ntwo;fields\ns;k;first;ignored;too\n"
      "s;k2; spaced \n\ns;k3;\ns;k;again\n");
  OverrideTexts overrides;
  readOverrides(in, overrides);
  EXPECT_EQ(overrides, (OverrideTexts{{"trv.control_param.PELU_AXIA", {{"Automatic", "Selbst"}}},
                                      {"s", {{"k", "again"}, {"k2", " spaced "}, {"k3", ""}}}}));
}

// Later files win by folder, then by name; a folder that cannot be examined is skipped.
TEST(Translation, LaterOverrideFilesWinByFolderThenName) {
  Scratch scratch;
  auto const first = scratch.folder("first");
  auto const second = scratch.folder("second");
  write(first / "a.ini", "sec;key;first-a\nsec;onlyA;A\n");
  write(first / "b.ini", "sec;key;first-b\n");
  write(second / "a.ini", "sec;key;second-a\n");
  Xlator xlator = translator("de_DE.UTF-8");
  for (auto const& folder : {first / std::string(300, 'x'), first, second, scratch.folder("empty")})
    xlator.impl().paths.push_back(folder.string());
  xlator.impl().domains = {"a", "b", "missing"};
  EXPECT_EQ(overrideText(xlator, "sec", "key"), "second-a");
  EXPECT_EQ(overrideText(xlator, "sec", "onlyA"), "A");
  EXPECT_FALSE(overrideText(xlator, "sec", "other"));
  EXPECT_FALSE(overrideText(xlator, "other", "key"));
  EXPECT_EQ(hello(xlator), "Hallo");
}

// An override file is parsed once per version, told apart by size and time of last change, and shared by
// every translator. A translator takes the new version only when marked for regeneration; the texts it
// read before stay until replaced.
TEST(Translation, AChangedOverrideFileIsReadAgainAnUnchangedOneKept) {
  Scratch scratch;
  auto const folder = scratch.folder("o");
  auto const file = folder / "a.ini";
  write(file, "s;k;one\ns;old;x\n");
  auto const written = fs::last_write_time(file);
  Xlator first = overrideReader({folder}, {"a"});
  EXPECT_EQ(overrideText(first, "s", "k"), "one");
  struct Step {
    char const* text;
    int laterBySeconds;
    char const* expected;
  };
  Step const steps[] = {{"s;k;two\ns;new;y\n", 0, "one"},  // same size and time: the version already read
                        {"s;k;two\ns;new;y\n", 2, "two"},  // same size, written later
                        {"s;k;three\ns;new;y\n", 2, "three"}};  // same time, another size
  for (Step const& step : steps) {
    write(file, step.text);
    fs::last_write_time(file, written + std::chrono::seconds(step.laterBySeconds));
    Xlator reader = overrideReader({folder}, {"a"});
    EXPECT_EQ(overrideText(reader, "s", "k"), step.expected) << step.text << " +" << step.laterBySeconds;
  }
  EXPECT_EQ(overrideText(first, "s", "k"), "one");  // not marked: keeps what it read
  EXPECT_FALSE(overrideText(first, "s", "new"));
  first.impl().dirty = true;
  EXPECT_EQ(overrideText(first, "s", "k"), "three");
  EXPECT_EQ(overrideText(first, "s", "new"), "y");
  EXPECT_EQ(overrideText(first, "s", "old"), "x");
  fs::remove(file);
  Xlator afterRemoval = overrideReader({folder}, {"a"});
  EXPECT_FALSE(overrideText(afterRemoval, "s", "k"));  // a removed file is not served from memory
}

}  // namespace
}  // namespace trv::translation
