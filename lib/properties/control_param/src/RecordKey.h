#pragma once

#include "container/model/ObjectKey.h"

namespace trv::control_param::data {

// The key under which every module keeps its option record: the int 0.
inline const ObjectKey RecordKey{0};

}  // namespace trv::control_param::data
