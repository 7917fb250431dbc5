#pragma once
// The ".ini" override files of the label translator: lines of ";"-separated fields, section, key and
// replacement text; fields after the third are ignored and shorter lines skipped.

#include <istream>
#include <string>
#include <unordered_map>

namespace trv::translation {

using OverrideTexts = std::unordered_map<std::string, std::unordered_map<std::string, std::string>>;

// Records every line of three or more fields; a later line of the same section and key replaces the text.
void readOverrides(std::istream& in, OverrideTexts& overrides);

// Reads `folder`/`name`.ini into `overrides` when it exists. A missing file, a folder that cannot be
// examined and a file that cannot be opened are skipped. Each version of a file (by size and time of last
// change) is parsed once and shared by every translator.
void loadOverrideFile(std::string const& folder, std::string const& name, OverrideTexts& overrides);

}  // namespace trv::translation
