#pragma once
// Writing a property's settings tree without the temporaries of Meta::put: the same tree, built with a
// third of the allocations.

#include <string_view>

#include <boost/any.hpp>

#include "host/trv_properties_qt/Property.h"

namespace trv::properties::nextgen {

// Puts `value` under the '.'-separated `path`, as Meta::put does: each missing level is created at the back
// of its parent, an existing value is replaced. Returns the node of the value.
Meta& putMetaValue(Meta& meta, std::string_view path, boost::any value);

}  // namespace trv::properties::nextgen
