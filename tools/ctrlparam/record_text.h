#pragma once
// The option record of a task as the tool prints it: one field a line (`show`), one Simple JSON line
// (`json`), the fields that differ between two tasks (`diff`), and the JSON documents of --json.

#include <string>
#include <vector>

#include "lib/properties/control_param/src/Data.h"

namespace ctrlparam {

// One "name<TAB>value" line per field, in schema order; with `changedOnly`, only the options whose value
// differs from the schema default.
std::string recordLines(trv::control_param::Data& data, trv::control_param::ProgrammTypes type,
                        bool changedOnly = false);

// The same as one JSON document: {"program", "module", "fields": [{"name", "value", "changed"}, ...]},
// choices also with their "number".
std::string recordLinesJson(trv::control_param::Data& data, trv::control_param::ProgrammTypes type,
                            bool changedOnly = false);

// The names of the options whose value differs from the schema default, in schema order.
std::vector<std::string> changedOptions(trv::control_param::Data& data,
                                        trv::control_param::ProgrammTypes type);

// One "name<TAB>value in a<TAB>value in b" line per field whose values differ, in schema order; or, with
// `json`, {"program", "differences": [{"name", "a", "b"}, ...]}. Empty text when nothing differs.
std::string recordDiff(trv::control_param::Data& a, trv::control_param::Data& b,
                       trv::control_param::ProgrammTypes type, bool json = false);

// The record as one Simple JSON object with every field, without a line feed.
std::string recordJson(trv::control_param::Data& data, trv::control_param::ProgrammTypes type);

}  // namespace ctrlparam
