// The ".ini" override files of the label translator on arbitrary bytes. After each input the texts read are
// exactly those of a plain line-by-line reading: lines split at "\n", fields at ";", every line of three or
// more fields recorded under its first two, a later line replacing an earlier one.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "translation/override_file.h"

namespace {

using fuzz::require;

std::vector<std::string_view> fieldsOf(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    std::size_t const end = line.find(';');
    fields.push_back(line.substr(0, end));
    if (end == std::string_view::npos) return fields;
    line.remove_prefix(end + 1);
  }
}

// The texts of `text` read without streams: a last line without line feed counts, an empty rest does not.
trv::translation::OverrideTexts expectedTexts(std::string_view text) {
  trv::translation::OverrideTexts texts;
  while (!text.empty()) {
    std::size_t const end = text.find('\n');
    std::vector<std::string_view> const fields = fieldsOf(text.substr(0, end));
    if (fields.size() >= 3) texts[std::string(fields[0])][std::string(fields[1])] = std::string(fields[2]);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  std::istringstream in(text);
  trv::translation::OverrideTexts texts;
  trv::translation::readOverrides(in, texts);
  require(texts == expectedTexts(text), "override texts differ from a plain reading");

  // Reading on top of texts already there only adds and replaces.
  trv::translation::OverrideTexts merged{{"trv.control_param.PELU_AXIA", {{"Automatic", "earlier"}}}};
  std::istringstream again(text);
  trv::translation::readOverrides(again, merged);
  for (auto const& [section, keys] : texts)
    for (auto const& [key, value] : keys)
      require(merged[section][key] == value, "a read text was not recorded");
  if (!texts.count("trv.control_param.PELU_AXIA") ||
      !texts.at("trv.control_param.PELU_AXIA").count("Automatic"))
    require(merged["trv.control_param.PELU_AXIA"]["Automatic"] == "earlier", "an earlier text was lost");
  return 0;
}
