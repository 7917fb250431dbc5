#include "translation/CatalogueGenerator.h"

#include <cctype>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include <boost/locale/generator.hpp>
#include <boost/locale/info.hpp>
#include <boost/locale/message.hpp>
#include <boost/locale/util.hpp>

#include "reports/host_reports.h"

namespace trv::translation {
namespace {

// Catalogue texts by domain, context and message, filed under the hash of the three.
struct Text {
  std::string domain, context, message, text;
};
using Texts = std::unordered_multimap<std::size_t, Text>;

std::size_t textHash(std::string_view domain, std::string_view context, std::string_view message) {
  std::hash<std::string_view> const hash;
  std::size_t seed = hash(domain);
  for (std::size_t part : {hash(context), hash(message)})
    seed ^= part + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
  return seed;
}

std::string const* findText(Texts const& texts, std::size_t hash, std::string const& domain,
                            std::string const& context, std::string const& message) {
  auto const [first, last] = texts.equal_range(hash);
  for (auto it = first; it != last; ++it)
    if (it->second.message == message && it->second.context == context && it->second.domain == domain)
      return &it->second.text;
  return nullptr;
}

// A generated locale and the catalogue texts looked up in it so far.
struct SharedLocale {
  std::locale locale;
  Texts texts;
};

// The generated locales by generator set-up and name; nodes stay where they are, so pointers to them last.
using Key = std::tuple<CatalogueGenerator::Steps, std::string>;
std::map<Key, SharedLocale>& sharedLocales() {
  static std::map<Key, SharedLocale> locales;
  return locales;
}

// The same locales, in order of generation, for finding a locale by identity.
std::vector<SharedLocale*>& generatedLocales() {
  static std::vector<SharedLocale*> locales;
  return locales;
}

// The shared entry of `locale` (a copy of a generated locale), or null. Generated locales are unnamed, and
// unnamed locales compare equal only to copies of themselves.
SharedLocale* sharedEntry(std::locale const& locale) {
  for (SharedLocale* entry : generatedLocales())
    if (entry->locale == locale) return entry;
  return nullptr;
}

std::string lookUp(std::locale const& locale, std::string const& domain, std::string const& context,
                   std::string const& message) {
  if (!std::has_facet<boost::locale::message_format<char>>(locale)) return message;
  return boost::locale::translate(context, message).str(locale, domain);
}

std::mutex& cacheMutex() {
  static std::mutex mutex;
  return mutex;
}

bool isDomainStep(CatalogueGenerator::Step step) {
  return step == CatalogueGenerator::Step::AddDomain || step == CatalogueGenerator::Step::SetDefaultDomain;
}

// A domain's name: the text of its step without the "/encoding" part.
std::string domainName(std::string const& text) {
  return text.substr(0, text.find('/'));
}

// A Boost generator set up by `steps`; with `onlyDomain`, its domain steps keep just that domain.
void replay(boost::locale::generator& generator, CatalogueGenerator::Steps const& steps,
            std::string const* onlyDomain = nullptr) {
  using Step = CatalogueGenerator::Step;
  for (auto const& [step, text] : steps) {
    if (onlyDomain && isDomainStep(step) && domainName(text) != *onlyDomain) continue;
    switch (step) {
      case Step::AddPath:
        generator.add_messages_path(text);
        break;
      case Step::ClearPaths:
        generator.clear_paths();
        break;
      case Step::AddDomain:
        generator.add_messages_domain(text);
        break;
      case Step::SetDefaultDomain:
        generator.set_default_messages_domain(text);
        break;
      case Step::ClearDomains:
        generator.clear_domains();
        break;
      case Step::Categories:
        generator.categories(static_cast<boost::locale::locale_category_type>(std::stoul(text)));
        break;
      case Step::Characters:
        generator.characters(static_cast<boost::locale::character_facet_type>(std::stoul(text)));
        break;
      case Step::AnsiEncoding:
        generator.use_ansi_encoding(text == "1");
        break;
    }
  }
}

// The domain names and paths in force after `steps`.
void domainsAndPaths(CatalogueGenerator::Steps const& steps, std::vector<std::string>& domains,
                     std::vector<std::string>& paths) {
  using Step = CatalogueGenerator::Step;
  for (auto const& [step, text] : steps) {
    if (step == Step::AddPath) paths.push_back(text);
    if (step == Step::ClearPaths) paths.clear();
    if (isDomainStep(step)) domains.push_back(domainName(text));
    if (step == Step::ClearDomains) domains.clear();
  }
}

// One report per file and process.
void reportUnreadable(std::string const& file, std::string const& why) {
  static std::set<std::string> reported;
  if (!reported.insert(file).second) return;
  control_param::reportToHost("Catalogue could not be read.",
                              control_param::report_position::kUnreadableCatalogue, file + ": " + why);
}

std::locale generateLocale(CatalogueGenerator::Steps const& steps, std::string const& id) {
  try {
    boost::locale::generator generator;
    replay(generator, steps);
    return generator(id);
  } catch (std::exception const&) {
    // Some catalogue, or the locale itself, cannot be had: find out which, and go on without it.
  }
  std::string const language = id.substr(0, id.find_first_of("_.@"));
  std::vector<std::string> domains, paths;
  domainsAndPaths(steps, domains, paths);
  std::set<std::string> unreadable;
  for (std::string const& domain : domains) {
    try {
      boost::locale::generator one;
      replay(one, steps, &domain);
      one(id);
    } catch (std::exception const& error) {
      unreadable.insert(domain);
      // The file Boost read: the first of the paths that holds it.
      std::string file = language + "/LC_MESSAGES/" + domain + ".mo";
      for (auto path = paths.begin(); path != paths.end(); ++path) {
        std::string const candidate = *path + '/' + file;
        if (std::filesystem::exists(candidate)) {
          file = candidate;
          break;
        }
      }
      reportUnreadable(file, error.what());
    }
  }
  // The set-up as the host made it (encodings, the default domain, order), less the unreadable domains.
  CatalogueGenerator::Steps readable;
  for (auto const& [step, text] : steps)
    if (!isDomainStep(step) || !unreadable.count(domainName(text))) readable.emplace_back(step, text);
  try {
    boost::locale::generator generator;
    replay(generator, readable);
    return generator(id);
  } catch (std::exception const& error) {
    reportUnreadable(id, error.what());
    return std::locale::classic();
  }
}

}  // namespace

std::locale CatalogueGenerator::operator()(std::string const& id) const {
  std::lock_guard<std::mutex> const lock(cacheMutex());
  auto& locales = sharedLocales();
  Key key{steps_, id};
  auto it = locales.find(key);
  if (it == locales.end()) {
    it = locales.emplace(std::move(key), SharedLocale{generateLocale(steps_, id), {}}).first;
    generatedLocales().push_back(&it->second);
  }
  return it->second.locale;
}

std::string catalogueText(std::locale const& locale, std::string const& domain, std::string const& context,
                          std::string const& message) {
  std::size_t const hash = textHash(domain, context, message);
  SharedLocale* entry = nullptr;
  {
    std::lock_guard<std::mutex> const lock(cacheMutex());
    entry = sharedEntry(locale);
    if (entry)
      if (std::string const* text = findText(entry->texts, hash, domain, context, message)) return *text;
  }
  std::string text = lookUp(locale, domain, context, message);
  if (entry) {
    std::lock_guard<std::mutex> const lock(cacheMutex());
    if (!findText(entry->texts, hash, domain, context, message))
      entry->texts.emplace(hash, Text{domain, context, message, text});
  }
  return text;
}

std::string languageOf(std::string const& localeName) {
  // An empty name selects the default locale of the environment at the time of the call.
  std::string const name = localeName.empty() ? boost::locale::util::get_system_locale() : localeName;
  static std::map<std::string, std::string> languages;
  std::lock_guard<std::mutex> const lock(cacheMutex());
  auto it = languages.find(name);
  if (it == languages.end()) {
    std::string language;
    try {
      language = std::use_facet<boost::locale::info>(boost::locale::generator()(name)).language();
    } catch (std::exception const&) {
      // An encoding Boost.Locale does not know: the language is the name's first part all the same.
      language = name.substr(0, name.find_first_of("_.@"));
      for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    it = languages.emplace(name, language).first;
  }
  return it->second;
}

}  // namespace trv::translation
