#pragma once
// The option record of a task as the tool prints it: one field a line (`show`), one Simple JSON line
// (`json`), the fields that differ between two tasks (`diff`), and the JSON documents of --json.

#include <optional>
#include <string>
#include <vector>

#include "lib/properties/control_param/src/Data.h"

namespace ctrlparam {

// The fields `show` prints: every field, or with `changedOnly` the options whose value differs from the
// schema default (`options`: the program type's, as programOptions gives them); when `names` holds any, only
// those.
struct ShownFields {
  std::vector<std::string> options;
  bool changedOnly = false;
  std::vector<std::string> names;
};

// One "name<TAB>value" line per shown field, in schema order.
std::string recordLines(trv::control_param::Data& data, trv::control_param::ProgrammTypes type,
                        ShownFields const& shown);

// The same as one JSON document: {"program", "module", "fields": [{"name", "value", "changed"}, ...]},
// choices also with their "number".
std::string recordLinesJson(trv::control_param::Data& data, trv::control_param::ProgrammTypes type,
                            ShownFields const& shown);

// The names of the options (of `options`) whose value differs from the schema default, in schema order.
std::vector<std::string> changedOptions(trv::control_param::Data& data,
                                        trv::control_param::ProgrammTypes type,
                                        std::vector<std::string> const& options);

// A field or member that the record passes over in one text or both, where the two differ.
struct PassedDifference {
  std::string name;                 // its id, or a JSON member's name
  std::optional<std::string> a, b;  // its value in each text as it stands there; none where a text lacks it
};

// One "name<TAB>value in a<TAB>value in b" line per field whose values differ, in schema order, then one
// "#name<TAB>a<TAB>b" line per passed-over difference ("-" for a text that lacks it); or, with `json`,
// {"program", "differences": [{"name", "a", "b"}, ..., {"id", "a", "b"}, ...]} (null for a text that lacks
// it). Empty text when nothing differs.
std::string recordDiff(trv::control_param::Data& a, trv::control_param::Data& b,
                       trv::control_param::ProgrammTypes type, std::vector<PassedDifference> const& passed,
                       bool json = false);

// The record as one Simple JSON object with every field, without a line feed.
std::string recordJson(trv::control_param::Data& data, trv::control_param::ProgrammTypes type);

}  // namespace ctrlparam
