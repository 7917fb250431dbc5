#include "translation/CatalogueGenerator.h"

#include <map>
#include <mutex>
#include <string_view>
#include <tuple>
#include <unordered_map>
#include <vector>

#include <boost/locale/generator.hpp>
#include <boost/locale/info.hpp>
#include <boost/locale/message.hpp>
#include <boost/locale/util.hpp>

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

std::locale generate(CatalogueGenerator::Steps const& steps, std::string const& id) {
  using Step = CatalogueGenerator::Step;
  boost::locale::generator generator;
  for (auto const& [step, text] : steps) {
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
    }
  }
  return generator(id);
}

}  // namespace

std::locale CatalogueGenerator::operator()(std::string const& id) const {
  std::lock_guard<std::mutex> const lock(cacheMutex());
  auto& locales = sharedLocales();
  Key key{steps_, id};
  auto it = locales.find(key);
  if (it == locales.end()) {
    it = locales.emplace(std::move(key), SharedLocale{generate(steps_, id), {}}).first;
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
    std::locale const named = boost::locale::generator()(name);
    it = languages.emplace(name, std::use_facet<boost::locale::info>(named).language()).first;
  }
  return it->second;
}

}  // namespace trv::translation
