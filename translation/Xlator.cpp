#include "translation/Xlator.h"

#include "translation/override_file.h"

namespace trv::translation {
namespace {

void regenerateIfDirty(Xlator::Impl& impl) {
  if (impl.dirty) regenerate(impl);
}

}  // namespace

std::string domainOf(Xlator const& xlator, std::string const& qualifiedName) {
  return registeredDomain(xlator, qualifiedName);
}

std::string const& registeredDomain(Xlator const& xlator, std::string const& qualifiedName) {
  static std::string const none;
  auto const& domains = xlator.impl().recordDomains;
  auto it = domains.find(qualifiedName);
  return it == domains.end() ? none : it->second;
}

std::string translate(Xlator& xlator, std::string const& domain, std::string const& context,
                      std::string const& message) {
  auto& impl = xlator.impl();
  regenerateIfDirty(impl);
  return catalogueText(impl.locale, domain, context, message);
}

std::optional<std::string> overrideText(Xlator& xlator, std::string const& section, std::string const& key) {
  std::string const* text = overrideEntry(xlator, section, key);
  return text ? std::optional<std::string>(*text) : std::nullopt;
}

std::string const* overrideEntry(Xlator& xlator, std::string const& section, std::string const& key) {
  auto& impl = xlator.impl();
  regenerateIfDirty(impl);
  auto sectionIt = impl.overrides.find(section);
  if (sectionIt == impl.overrides.end()) return nullptr;
  auto keyIt = sectionIt->second.find(key);
  return keyIt == sectionIt->second.end() ? nullptr : &keyIt->second;
}

void regenerate(Xlator::Impl& impl) {
  impl.dirty = false;
  // Only the language selects the catalogues, and they are always read as UTF-8. The C and POSIX locales
  // read the English catalogues.
  std::string language = languageOf(impl.localeName);
  if (language == "C" || language == "c" || language == "POSIX" || language == "posix") language = "en";
  impl.locale = impl.generator(language + ".UTF-8");
  for (auto const& path : impl.paths)
    for (auto const& domain : impl.domains) loadOverrideFile(path, domain, impl.overrides);
}

}  // namespace trv::translation
