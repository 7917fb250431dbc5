#pragma once
// The catalogue configuration of a translator (message paths and domains, set up as on a Boost.Locale
// generator) and the locales generated from it. Generating a locale reads its catalogues and takes
// milliseconds, so the locales are shared by every translator of the process: two generators whose
// configurations were set up by the same calls, asked for the same locale name, return the same locale.
// Catalogues are read once per configuration and name for the life of the process.

#include <locale>
#include <string>
#include <utility>
#include <vector>

namespace trv::translation {

class CatalogueGenerator {
 public:
  enum class Step { AddPath, ClearPaths, AddDomain, SetDefaultDomain, ClearDomains };
  using Steps = std::vector<std::pair<Step, std::string>>;

  // The calls of boost::locale::generator, recorded in order.
  void add_messages_path(std::string const& path) { steps_.emplace_back(Step::AddPath, path); }
  void clear_paths() { steps_.emplace_back(Step::ClearPaths, std::string()); }
  void add_messages_domain(std::string const& domain) { steps_.emplace_back(Step::AddDomain, domain); }
  void set_default_messages_domain(std::string const& domain) {
    steps_.emplace_back(Step::SetDefaultDomain, domain);
  }
  void clear_domains() { steps_.emplace_back(Step::ClearDomains, std::string()); }

  // The locale that a boost::locale::generator set up by the same calls generates for `id`.
  std::locale operator()(std::string const& id) const;

  Steps const& steps() const { return steps_; }

 private:
  Steps steps_;
};

// The catalogue text of `message` in `context` and `domain` for `locale`, or `message` itself when the locale
// has no message catalogues or the catalogue no entry. Remembered per text for the locales that generators
// made (they never change), looked up afresh for any other locale.
std::string catalogueText(std::locale const& locale, std::string const& domain, std::string const& context,
                          std::string const& message);

// The language code of the locale named `localeName` (an empty name: the system's default locale), as
// boost::locale::info reports it; remembered per name.
std::string languageOf(std::string const& localeName);

}  // namespace trv::translation
