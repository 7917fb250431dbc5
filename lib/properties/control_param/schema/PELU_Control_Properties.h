#pragma once
// Options of the cross-section analysis and design (program types 4 and 5).

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"

namespace trv::control_param {

#define TRV_PELU_AXIA(X)                        \
  X(Automatic, 0)                               \
  X(UniaxialBending, 1)                         \
  X(BiaxialBendingUnixialFibrePrincipalAxis, 2) \
  X(UniaxialBendingAllPrincipalAxis, 3)         \
  X(UniaxialBendingSymmetry, -1)                \
  X(BiaxialBendingUnixialFibreYZSystem, -2)     \
  X(UniaxialBendingAllYZSystem, -3)
TRV_SCHEMA_ENUM(PELU_AXIA, TRV_PELU_AXIA)

#define TRV_PELU_INTE(X) \
  X(Automatic, -1)       \
  X(DoNotTake, 0)        \
  X(Isotrope, 1)         \
  X(PrandtlFlow, 2)      \
  X(PreferenceOfShearStress, 3)
TRV_SCHEMA_ENUM(PELU_INTE, TRV_PELU_INTE)

// clang-format off
#define TRV_PELU_CONTROL_PROPERTIES(X) \
  X(0, axia, PELU_AXIA, PELU_AXIA::Automatic, \
    ({{"DisplayName", "Type of bending"}, {"Category", ""}})) \
  X(7, vred, nullable<double>, {}, \
    ({{"DisplayName", "Maximum inclination of haunches for conversion of shear force"}, {"Category", ""}})) \
  X(8, smoo, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Rounding off of moments"}, {"Category", ""}})) \
  X(9, inte, PELU_INTE, PELU_INTE::Automatic, \
    ({{"DisplayName", "Shear/axial stress iteration"}, {"Category", "Axial strain and stress interaction"}})) \
  X(10, usep, nullable<double>, {}, \
    ({{"DisplayName", "Usage level"}, {"Category", ""}})) \
  X(11, non_lin_strain, bool, true, \
    ({{"DisplayName", "Non-linear axial strain effects"}, {"Category", "Axial strain and stress interaction"}}))
// clang-format on
TRV_SCHEMA_RECORD(PELU_Control_Properties, TRV_PELU_CONTROL_PROPERTIES)

}  // namespace trv::control_param
