#pragma once
// The option record of a task as the tool prints it: read back through the stored form, then written one
// field a line (`show`) or as one Simple JSON line (`json`), walking the record's reflection.

#include <string>

#include "lib/properties/control_param/src/Data.h"

namespace ctrlparam {

// One "name<TAB>value" line per field, in schema order.
std::string recordLines(trv::control_param::Data& data, trv::control_param::ProgrammTypes type);

// The record as one Simple JSON object with every field, without a line feed.
std::string recordJson(trv::control_param::Data& data, trv::control_param::ProgrammTypes type);

}  // namespace ctrlparam
