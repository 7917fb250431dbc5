#include "translation/CatalogueGenerator.h"

#include <map>
#include <mutex>
#include <tuple>

#include <boost/locale/generator.hpp>
#include <boost/locale/info.hpp>
#include <boost/locale/util.hpp>

namespace trv::translation {
namespace {

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
  using Key = std::tuple<Steps, std::string>;
  static std::map<Key, std::locale> locales;
  std::lock_guard<std::mutex> const lock(cacheMutex());
  Key key{steps_, id};
  auto it = locales.find(key);
  if (it == locales.end()) it = locales.emplace(std::move(key), generate(steps_, id)).first;
  return it->second;
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
