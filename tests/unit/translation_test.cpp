// The label translator: catalogue lookups by language, domain and context, regeneration, the ".ini"
// override files, and the locales, catalogue texts and override files that translators share.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <boost/locale/generator.hpp>
#include <boost/locale/message.hpp>

#include "host/trv_assert/SmartAssert.h"
#include "host/trv_properties_qt/label_language.h"
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

auto const write = [](fs::path const& file, std::string const& text) { std::ofstream(file) << text; };

// Catalogue set-ups, applied alike to a translator's generator and to a Boost.Locale generator; only the
// last two find the German texts.
enum class Catalogue { None, NoDomain, EmptyFolder, DomainsCleared, PathsCleared, Catalogue, FurtherDomain };
template <typename Generator>
void configure(Generator& generator, Catalogue catalogue) {
  if (catalogue == Catalogue::None) return;
  generator.add_messages_path(catalogue == Catalogue::EmptyFolder ? TRV_TEST_BINARY_DIR "/no_catalogues"
                                                                  : TRV_TEST_BINARY_DIR "/locale");
  if (catalogue == Catalogue::FurtherDomain) generator.add_messages_domain("trv.other.domain");
  if (catalogue != Catalogue::NoDomain) generator.add_messages_domain(kDomain);
  if (catalogue == Catalogue::DomainsCleared) generator.clear_domains();
  if (catalogue == Catalogue::PathsCleared) generator.clear_paths();
}

auto const hello = [](Xlator& xlator) { return translate(xlator, kDomain, "test.context", "Hello"); };

// Lookups by language, domain and context: German of any country and encoding reads the German catalogue
// (as UTF-8) once its folder and domain are set up. Translators share generated locales and the texts looked
// up in them; whatever the set-up, language and order of lookups, a translator gives what a locale generated
// for it alone gives.
TEST(Translation, LookupsByLanguageDomainAndContextSharedOrNot) {
  struct Lookup {
    std::string domain, context, message, german;
  };
  Lookup const lookups[] = {
      {kDomain, "test.context", "Hello", "Hallo"},          {kDomain, "test.other", "Hello", "Grüß Gott"},
      {kDomain, "test.choice", "Replaced", "Ersetzt"},      {kDomain, "test.context", "Replaced", "Replaced"},
      {kDomain, "test.missing", "Hello", "Hello"},          {kDomain, "", "Hello", "Hello"},
      {"trv.other.domain", "test.other", "Hello", "Hello"}, {"", "test.context", "Hello", "Hello"},
  };
  for (int round = 0; round < 2; ++round)
    for (int c = 0; c <= static_cast<int>(Catalogue::FurtherDomain); ++c)
      for (auto const& [localeName, language] : {std::pair{"de_DE.UTF-8", "de"},
                                                 {"de_AT.ISO-8859-1", "de"},
                                                 {"de_CH", "de"},
                                                 {"en_US.UTF-8", "en"},
                                                 {"fr_FR.UTF-8", "fr"},
                                                 {"C", "C"}}) {
        auto const catalogue = static_cast<Catalogue>(c);
        bool const german = language == std::string("de") && catalogue >= Catalogue::Catalogue;
        boost::locale::generator generator;
        configure(generator, catalogue);
        std::locale const unshared = generator(language + std::string(".UTF-8"));
        Xlator shared;
        configure(shared.impl().generator, catalogue);
        shared.impl().localeName = localeName;
        for (auto const& l : lookups) {
          std::string const text = translate(shared, l.domain, l.context, l.message);
          EXPECT_EQ(text, german ? l.german : l.message) << c << ' ' << localeName << ' ' << l.context;
          EXPECT_EQ(text, boost::locale::translate(l.context, l.message).str(unshared, l.domain));
        }
      }
}

// Labels never block: a damaged catalogue leaves its domain's texts English (the others stay translated) and
// is reported once per file and process; an encoding Boost.Locale does not know still selects the language;
// a language without catalogues keeps the English texts. A host's set-up written for Boost's generator works
// on the translator's generator.
TEST(Translation, UnreadableCataloguesAndUnknownEncodingsLeaveLabelsEnglishAndAreReportedOnce) {
  Scratch scratch;
  fs::path const folder = scratch.folder("de/LC_MESSAGES");
  fs::copy_file(TRV_TEST_BINARY_DIR "/locale/de/LC_MESSAGES/trv.test.labels.mo",
                folder / "trv.test.labels.mo");
  write(folder / "trv.broken.mo", "not a catalogue");
  std::string const broken = (folder / "trv.broken.mo").string();
  smartassert::clearReports();
  for (auto const& [localeName, hallo] : {std::pair{"de_DE.bogus", "Hallo"},
                                          {"de_DE.UTF-8", "Hallo"},
                                          {"xx_XX.UTF-8", "Hello"},
                                          {"de_AT.bogus@euro", "Hallo"}}) {
    Xlator xlator;
    xlator.impl().generator.characters(boost::locale::char_facet);  // a call of Boost's generator
    xlator.impl().generator.add_messages_path(scratch.path.string());
    xlator.impl().generator.add_messages_domain("trv.broken");
    xlator.impl().generator.add_messages_domain(kDomain);
    xlator.impl().localeName = localeName;
    EXPECT_EQ(hello(xlator), hallo) << localeName;
    EXPECT_EQ(translate(xlator, "trv.broken", "test.context", "Hello"), "Hello");
  }
  ASSERT_EQ(smartassert::reports().size(), 1u);
  EXPECT_EQ(smartassert::reports()[0].condition, "Catalogue could not be read.");
  EXPECT_EQ(smartassert::reports()[0].file + ':' + std::to_string(smartassert::reports()[0].line),
            "translation/Xlator:0");
  EXPECT_EQ(smartassert::reports()[0].message.rfind(broken + ": ", 0), 0u)
      << smartassert::reports()[0].message;
}

TEST(Translation, LanguageChangesOnlyWhenMarkedDirty) {
  Xlator xlator;
  configure(xlator.impl().generator, Catalogue::Catalogue);
  xlator.impl().localeName = "en_GB.UTF-8";
  EXPECT_EQ(hello(xlator), "Hello");
  xlator.impl().localeName = "de_DE.UTF-8";
  EXPECT_EQ(hello(xlator), "Hello");
  Xlator const copy = xlator;  // copies share one set-up: marking one marks all
  copy.impl().dirty = true;
  EXPECT_EQ(hello(xlator), "Hallo");
}

// Lines of three or more fields; later lines and files win, files by folder, then by name; a folder that
// cannot be examined is skipped.
TEST(Translation, LaterOverrideFilesWinByFolderThenName) {
  Scratch scratch;
  auto const first = scratch.folder("first");
  auto const second = scratch.folder("second");
  write(first / "a.ini",
        "sec;key;first-a\nsec;onlyA;A;more;fields\ntwo;fields\nsec;empty;\n\nsec;spaced; x "
        "\nsec;onlyA;again\n");
  write(first / "b.ini", "sec;key;first-b\n");
  write(second / "a.ini", "sec;key;second-a\n");
  Xlator xlator;
  configure(xlator.impl().generator, Catalogue::Catalogue);
  xlator.impl().localeName = "de_DE.UTF-8";
  for (auto const& folder : {first / std::string(300, 'x'), first, second, scratch.folder("empty")})
    xlator.impl().paths.push_back(folder.string());
  xlator.impl().domains = {"a", "b", "missing"};
  EXPECT_EQ(overrideText(xlator, "sec", "key"), "second-a");
  EXPECT_EQ(overrideText(xlator, "sec", "onlyA"), "again");
  EXPECT_EQ(overrideText(xlator, "sec", "spaced"), " x ");
  EXPECT_FALSE(overrideText(xlator, "sec", "other"));
  EXPECT_FALSE(overrideText(xlator, "two", "fields"));
  EXPECT_EQ(overrideText(xlator, "sec", "empty"), "");
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
  auto const reader = [&] {
    Xlator xlator;
    xlator.impl().paths = {folder.string()};
    xlator.impl().domains = {"a"};
    return xlator;
  };
  Xlator first = reader();
  EXPECT_EQ(overrideText(first, "s", "k"), "one");
  std::tuple<char const*, int, char const*> const steps[] = {
      {"s;k;two\ns;new;y\n", 0, "one"},       // same size and time: the version already read
      {"s;k;two\ns;new;y\n", 2, "two"},       // same size, written later
      {"s;k;three\ns;new;y\n", 2, "three"}};  // same time, another size
  for (auto const& [text, laterBySeconds, expected] : steps) {
    write(file, text);
    fs::last_write_time(file, written + std::chrono::seconds(laterBySeconds));
    Xlator fresh = reader();
    EXPECT_EQ(overrideText(fresh, "s", "k"), expected) << text << " +" << laterBySeconds;
  }
  EXPECT_EQ(overrideText(first, "s", "k"), "one");  // not marked: keeps what it read
  EXPECT_FALSE(overrideText(first, "s", "new"));
  first.impl().dirty = true;
  EXPECT_EQ(overrideText(first, "s", "k"), "three");
  EXPECT_EQ(overrideText(first, "s", "new"), "y");
  EXPECT_EQ(overrideText(first, "s", "old"), "x");
  fs::remove(file);
  Xlator afterRemoval = reader();
  EXPECT_FALSE(overrideText(afterRemoval, "s", "k"));  // a removed file is not served from memory
}

// The label language: a locale name when given, else the environment as gettext reads it; a language without
// catalogues (here anything but German and English) reads the English ones, as C and POSIX do.
TEST(Translation, LabelLanguageFromTheLocaleNameOrTheEnvironment) {
  struct Case {
    char const* localeName;
    std::map<std::string, std::string> environment;
    char const* language;
  };
  Case const cases[] = {
      {"fr_FR.UTF-8", {}, "en"},
      {"de_AT.ISO-8859-1@euro", {{"LANG", "C"}}, "de"},
      {"C", {{"LANG", "de_DE.UTF-8"}}, "en"},
      {"", {}, "en"},
      {"", {{"LANG", "de_DE.UTF-8"}}, "de"},
      {"", {{"LANG", "fr_FR.UTF-8"}}, "en"},
      {"", {{"LANG", "C"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, "de"},
      {"", {{"LANG", "C"}, {"LC_ALL", "de_CH.UTF-8"}, {"LC_MESSAGES", "en_GB"}}, "de"},
      {"", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "C"}}, "en"},
      {"", {{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C.UTF-8"}}, "en"},
      {"", {{"LANG", "de_DE.UTF-8"}, {"LC_ALL", ""}}, "de"},
      {"", {{"LANG", "C"}, {"LC_CTYPE", "de_DE.UTF-8"}}, "en"},
      {"", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:de"}}, "de"},
      {"", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:it"}}, "en"},
      {"", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", ""}}, "de"},
      {"", {{"LANG", "C"}, {"LANGUAGE", "de"}}, "en"},
      {"", {{"LANG", "POSIX"}, {"LANGUAGE", "de"}}, "en"},
      {"", {{"LC_MESSAGES", "en_US.UTF-8"}, {"LANGUAGE", ":de_AT:"}}, "de"},
  };
  for (auto const& [localeName, environment, language] : cases) {
    auto const variable = [&environment = environment](char const* name) -> char const* {
      auto const it = environment.find(name);
      return it == environment.end() ? nullptr : it->second.c_str();
    };
    auto const hasCatalogues = [](std::string const& l) { return l == "de" || l == "en"; };
    std::string described = localeName;
    for (auto const& [name, value] : environment) described += ' ' + name + '=' + value;
    EXPECT_EQ(properties::labelLanguageFor(localeName, variable, hasCatalogues), language) << described;
  }
}

}  // namespace
}  // namespace trv::translation
