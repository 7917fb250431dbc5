#include "host/trv_properties_qt/configure_xlator.h"

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <system_error>
#include <utility>

#include "host/trv_properties_qt/label_language.h"
#include "translation/Xlator.h"

namespace trv::properties::detail {
namespace {

bool isFolder(std::filesystem::path const& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

// The folder of the shared object that holds this function.
std::filesystem::path libraryFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&libraryFolder), &info) == 0 || !info.dli_fname) return {};
  return std::filesystem::path(info.dli_fname).parent_path();
}

// Installed: the data folder relative to the library folder. In the build tree: the build's data folder.
std::string findDataFolder() {
  std::filesystem::path const installed = libraryFolder() / TRV_HOST_DATA_RELATIVE;
  if (isFolder(installed / "locale")) return std::filesystem::weakly_canonical(installed).string();
  std::filesystem::path const built = TRV_HOST_BUILD_DATA_DIR;
  if (isFolder(built / "locale")) return built.string();
  return {};
}

// The enumeration contexts whose texts the catalogue of `domain` holds, one a line.
std::vector<std::string> readEnumerationContexts(std::string const& folder, std::string const& domain) {
  std::vector<std::string> contexts;
  std::ifstream in(std::filesystem::path(folder) / "trv_control_param_table" / "contexts" /
                   (domain + ".txt"));
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) contexts.push_back(line);
  return contexts;
}

// The same, read once per installation folder and domain (the lists are installed with the catalogues).
std::vector<std::string> const& enumerationContexts(std::string const& folder, std::string const& domain) {
  static std::mutex mutex;
  static std::map<std::pair<std::string, std::string>, std::vector<std::string>> lists;
  std::lock_guard<std::mutex> const lock(mutex);
  auto key = std::make_pair(folder, domain);
  auto it = lists.find(key);
  if (it == lists.end()) it = lists.emplace(std::move(key), readEnumerationContexts(folder, domain)).first;
  return it->second;
}

}  // namespace

std::string const& dataFolder() {
  static std::string const folder = findDataFolder();
  return folder;
}

void configure_xlator(translation::Xlator& xlator, std::string const& qualifiedName) {
  auto& impl = xlator.impl();
  std::string const& domain = qualifiedName;
  impl.recordDomains[qualifiedName] = domain;
  std::string const& folder = dataFolder();
  if (!folder.empty()) {
    for (auto const& context : enumerationContexts(folder, domain))
      impl.recordDomains.emplace(context, domain);
    static std::string const catalogues = (std::filesystem::path(folder) / "locale").string();
    static std::string const overrides =
        (std::filesystem::path(folder) / "trv_control_param_table" / "overrides").string();
    impl.generator.add_messages_path(catalogues);
    impl.paths.push_back(overrides);
  }
  impl.generator.add_messages_domain(domain);
  impl.domains.push_back(domain);
  impl.localeName = labelLanguage();
  impl.dirty = true;
}

}  // namespace trv::properties::detail
