#include "translation/override_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

#include <boost/algorithm/string/split.hpp>

namespace trv::translation {
namespace {

// What tells one version of a file from another: its size and time of last change.
struct FileState {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type written;
  bool operator==(FileState const& other) const { return size == other.size && written == other.written; }
};

struct ParsedFile {
  FileState state;
  std::shared_ptr<OverrideTexts const> texts;
};

// The texts of an existing override file, parsed once per version of the file and shared by every
// translator of the process; null when the file cannot be examined or opened.
std::shared_ptr<OverrideTexts const> parsedOverrideFile(std::filesystem::path const& file) {
  static std::mutex mutex;
  static std::map<std::string, ParsedFile> files;
  std::error_code error;
  FileState state;
  state.size = std::filesystem::file_size(file, error);
  if (!error) state.written = std::filesystem::last_write_time(file, error);
  if (error) return nullptr;
  std::lock_guard<std::mutex> const lock(mutex);
  ParsedFile& parsed = files[file.string()];
  if (!parsed.texts || !(parsed.state == state)) {
    std::ifstream in(file);
    if (!in) return nullptr;
    auto texts = std::make_shared<OverrideTexts>();
    readOverrides(in, *texts);
    parsed = {state, std::move(texts)};
  }
  return parsed.texts;
}

}  // namespace

void readOverrides(std::istream& in, OverrideTexts& overrides) {
  std::string line;
  std::vector<std::string> fields;
  while (std::getline(in, line)) {
    boost::algorithm::split(fields, line, [](char c) { return c == ';'; });
    if (fields.size() < 3) continue;
    overrides[fields[0]][fields[1]] = fields[2];
  }
}

void loadOverrideFile(std::string const& folder, std::string const& name, OverrideTexts& overrides) {
  std::filesystem::path const file = std::filesystem::path(folder) / (name + ".ini");
  std::error_code error;
  if (!std::filesystem::exists(file, error) || error) return;
  auto const texts = parsedOverrideFile(file);
  if (!texts) return;
  for (auto const& [section, keys] : *texts)
    for (auto const& [key, text] : keys) overrides[section][key] = text;
}

}  // namespace trv::translation
