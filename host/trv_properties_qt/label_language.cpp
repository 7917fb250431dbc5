#include "host/trv_properties_qt/label_language.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string_view>

#include "host/trv_properties_qt/configure_xlator.h"
#include "host/trv_qt/trv_qt.h"

namespace trv::properties {
namespace {

constexpr char const* kFallback = "en";  // the catalogues of C, POSIX and every language without its own

// The language of a locale name: "de" of "de_AT.ISO-8859-1@euro"; empty for C, C.UTF-8 and POSIX.
std::string languageOf(std::string_view localeName) {
  std::string_view const language = localeName.substr(0, localeName.find_first_of("_.@"));
  if (language == "C" || language == "POSIX") return {};
  return std::string(language);
}

// Whether the data folder of this installation holds catalogues of `language`.
bool installedCatalogues(std::string const& language) {
  static std::mutex mutex;
  static std::map<std::string, bool> known;
  std::lock_guard<std::mutex> const lock(mutex);
  auto it = known.find(language);
  if (it == known.end()) {
    std::error_code error;
    std::string const& folder = detail::dataFolder();
    bool const found = !folder.empty() && std::filesystem::is_directory(
                                              std::filesystem::path(folder) / "locale" / language, error);
    it = known.emplace(language, found).first;
  }
  return it->second;
}

std::mutex& choiceMutex() {
  static std::mutex mutex;
  return mutex;
}

std::optional<std::string>& chosen() {
  static std::optional<std::string> language;
  return language;
}

std::string choose(std::string const& localeName) {
  return labelLanguageFor(
      localeName, [](char const* name) { return std::getenv(name); }, installedCatalogues);
}

}  // namespace

std::string labelLanguageFor(std::string const& localeName,
                             std::function<char const*(char const*)> const& variable,
                             std::function<bool(std::string const&)> const& hasCatalogues) {
  auto const withCatalogues = [&](std::string const& language) {
    return !language.empty() && hasCatalogues(language) ? language : kFallback;
  };
  if (!localeName.empty()) return withCatalogues(languageOf(localeName));
  auto const set = [&](char const* name) -> std::string_view {
    char const* value = variable(name);
    return value ? value : "";
  };
  std::string_view messages = set("LC_ALL");
  if (messages.empty()) messages = set("LC_MESSAGES");
  if (messages.empty()) messages = set("LANG");
  std::string const language = languageOf(messages);
  if (language.empty()) return kFallback;  // C, POSIX or nothing set: LANGUAGE is not read either
  if (std::string_view const list = set("LANGUAGE"); !list.empty()) {
    for (std::size_t start = 0; start <= list.size();) {
      std::size_t const end = std::min(list.find(':', start), list.size());
      std::string const listed = languageOf(list.substr(start, end - start));
      if (!listed.empty() && hasCatalogues(listed)) return listed;
      start = end + 1;
    }
    return kFallback;
  }
  return withCatalogues(language);
}

std::string chooseLabelLanguage(std::string const& localeName) {
  std::string language = choose(localeName);
  {
    std::lock_guard<std::mutex> const lock(choiceMutex());
    chosen() = language;
  }
  trv_qt_installTranslators(language);
  return language;
}

std::string labelLanguage() {
  std::lock_guard<std::mutex> const lock(choiceMutex());
  if (!chosen()) chosen() = choose({});
  return *chosen();
}

}  // namespace trv::properties
