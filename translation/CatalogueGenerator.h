#pragma once
// The catalogue configuration of a translator and the locales generated from it. It is a Boost.Locale
// generator: a host's set-up written against boost::locale::generator works on it unchanged. The calls that
// choose catalogues (paths and domains) are also recorded, because generating a locale reads its catalogues
// and takes milliseconds: the locales are shared by every translator of the process, and two generators set
// up by the same calls, asked for the same locale name, return the same locale, read once for the life of the
// process. Set-ups made through a reference to the base class are not recorded and not supported.
//
// A catalogue that cannot be read never stops a task: its labels stay the English source texts, and each such
// file is reported once per process to the host's assertion reporter ("Catalogue could not be read.").

#include <locale>
#include <string>
#include <utility>
#include <vector>

#include <boost/locale/generator.hpp>

namespace trv::translation {

class CatalogueGenerator : public boost::locale::generator {
 public:
  enum class Step {
    AddPath,
    ClearPaths,
    AddDomain,
    SetDefaultDomain,
    ClearDomains,
    Categories,
    Characters,
    AnsiEncoding
  };
  using Steps = std::vector<std::pair<Step, std::string>>;

  // The set-up calls of boost::locale::generator, recorded in order and passed on.
  void categories(boost::locale::locale_category_type categories) {
    steps_.emplace_back(Step::Categories, std::to_string(categories));
    generator::categories(categories);
  }
  void characters(boost::locale::character_facet_type characters) {
    steps_.emplace_back(Step::Characters, std::to_string(characters));
    generator::characters(characters);
  }
  void use_ansi_encoding(bool enabled) {
    steps_.emplace_back(Step::AnsiEncoding, enabled ? "1" : "0");
    generator::use_ansi_encoding(enabled);
  }
  void add_messages_path(std::string const& path) {
    steps_.emplace_back(Step::AddPath, path);
    generator::add_messages_path(path);
  }
  void clear_paths() {
    steps_.emplace_back(Step::ClearPaths, std::string());
    generator::clear_paths();
  }
  void add_messages_domain(std::string const& domain) {
    steps_.emplace_back(Step::AddDomain, domain);
    generator::add_messages_domain(domain);
  }
  void set_default_messages_domain(std::string const& domain) {
    steps_.emplace_back(Step::SetDefaultDomain, domain);
    generator::set_default_messages_domain(domain);
  }
  void clear_domains() {
    steps_.emplace_back(Step::ClearDomains, std::string());
    generator::clear_domains();
  }

  // The shared locale that a generator set up by the same calls generates for `id`; catalogues that cannot be
  // read are left out (and reported), and a locale that cannot be generated at all gives the classic one.
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
