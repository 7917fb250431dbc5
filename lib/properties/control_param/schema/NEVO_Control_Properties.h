#pragma once
// Options of the beam and frame statics (program types 6 and 7). No enumerations; every option may be unset.

#include "lib/properties/control_param/schema/reflection.h"

namespace trv::control_param {

// clang-format off
#define TRV_NEVO_CONTROL_PROPERTIES(X) \
  X(0, gen, nullable<double>, {}, \
    ({{"DisplayName", "Tolerance for forces and displacements [%]"}, {"Category", ""}})) \
  X(1, genm, nullable<double>, {}, \
    ({{"DisplayName", "Tolerance for moments and rotations [%]"}, {"Category", ""}})) \
  X(2, afix, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Handling of freely movable degrees of freedom"}, {"Category", ""}})) \
  X(3, styp, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Handling of CABLE elements"}, {"Category", ""}})) \
  X(4, gdiv, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Group divisor"}, {"Category", ""}})) \
  X(5, plc, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Definition of primary load cases"}, {"Category", ""}}))
// clang-format on
TRV_SCHEMA_RECORD(NEVO_Control_Properties, TRV_NEVO_CONTROL_PROPERTIES)

}  // namespace trv::control_param
