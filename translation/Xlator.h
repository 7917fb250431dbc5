#pragma once
// The label translator of one task: message catalogues by domain and context, and ".ini" override texts.
// Copies share one implementation.

#include <locale>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "translation/CatalogueGenerator.h"

namespace trv::translation {

class Xlator {
 public:
  // What a host's configure_xlator sets up. Hosts compile against this layout: a change of it needs a new
  // SOVERSION of the library.
  struct Impl {
    bool dirty = true;
    CatalogueGenerator generator;      // the catalogue configuration; its locales are shared process-wide
    std::vector<std::string> domains;  // override file names, without ".ini"
    std::vector<std::string> paths;    // folders searched for override files
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> overrides;
    std::locale locale;
    std::unordered_map<std::string, std::string> recordDomains;  // record qualified name -> domain
    std::string localeName;
  };

  Xlator() : impl_(std::make_shared<Impl>()) {}

  Impl& impl() const { return *impl_; }

 private:
  std::shared_ptr<Impl> impl_;
};

// The catalogue domain registered for `qualifiedName`, or the empty string.
std::string domainOf(Xlator const& xlator, std::string const& qualifiedName);
// The same, without a copy.
std::string const& registeredDomain(Xlator const& xlator, std::string const& qualifiedName);

// The catalogue text of `message` in `context` and `domain` for the current language, or `message` itself.
std::string translate(Xlator& xlator, std::string const& domain, std::string const& context,
                      std::string const& message);

// The override text of `key` in `section`, when an override file provided one.
std::optional<std::string> overrideText(Xlator& xlator, std::string const& section, std::string const& key);
// The same, without a copy: the loaded text, or null.
std::string const* overrideEntry(Xlator& xlator, std::string const& section, std::string const& key);

// Takes the language from `localeName` again and reloads the override files (done by the first lookup after
// `dirty` was set).
void regenerate(Xlator::Impl& impl);

}  // namespace trv::translation
