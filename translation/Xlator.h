#pragma once
// The label translator of one task: message catalogues by domain and context, and ".ini" override texts.
// Copies share one implementation.

#include <locale>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <boost/locale/generator.hpp>

namespace trv::translation {

class Xlator {
 public:
  struct Impl {
    bool dirty = true;
    boost::locale::generator generator;
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

}  // namespace trv::translation
