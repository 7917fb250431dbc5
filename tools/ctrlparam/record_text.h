#pragma once
// The option record of a task as the tool prints it: read back through the stored form, then written one
// field a line (`show`) or as one Simple JSON line (`json`), walking the record's reflection.

#include <string>

#include "lib/properties/control_param/src/Data.h"

namespace ctrlparam {

// One "name<TAB>value" line per field, in schema order; with `changedOnly`, only the options (fields that
// have an inspector property) whose value differs from the schema default.
std::string recordLines(trv::control_param::Data& data, trv::control_param::ProgrammTypes type,
                        bool changedOnly = false);

// One "name<TAB>value in a<TAB>value in b" line per field whose values differ, in schema order.
std::string recordDiff(trv::control_param::Data& a, trv::control_param::Data& b,
                       trv::control_param::ProgrammTypes type);

// The record as one Simple JSON object with every field, without a line feed.
std::string recordJson(trv::control_param::Data& data, trv::control_param::ProgrammTypes type);

}  // namespace ctrlparam
