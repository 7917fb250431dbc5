#include "translation/override_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include <boost/algorithm/string/split.hpp>

namespace trv::translation {

void readOverrides(std::istream& in, OverrideTexts& overrides) {
  std::string line;
  std::vector<std::string> fields;
  while (std::getline(in, line)) {
    boost::algorithm::split(fields, line, [](char c) { return c == ';'; });
    if (fields.size() < 3) continue;
    overrides[fields[0]][fields[1]] = fields[2];
  }
}

bool loadOverrideFile(std::string const& folder, std::string const& name, OverrideTexts& overrides) {
  std::filesystem::path const file = std::filesystem::path(folder) / (name + ".ini");
  std::error_code error;
  if (!std::filesystem::exists(file, error) || error) return false;
  std::ifstream in(file);
  if (!in) return false;
  readOverrides(in, overrides);
  return true;
}

}  // namespace trv::translation
