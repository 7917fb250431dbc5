#pragma once
// Options of the general finite-element analysis (program types 0, 1, 2, 3 and 10).

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"

namespace trv::control_param {

#define TRV_ORIN_WARP(X) \
  X(NotActive, 0)        \
  X(Active, 1)
TRV_SCHEMA_ENUM(ORIN_WARP, TRV_ORIN_WARP)

#define TRV_ORIN_SPRI(X)      \
  X(NoEccentricity, 0)        \
  X(EccentricityInAnyCase, 1) \
  X(Automatic, 8)
TRV_SCHEMA_ENUM(ORIN_SPRI, TRV_ORIN_SPRI)

#define TRV_ORIN_SOLV(X)        \
  X(NoSolutionProcess, 0)       \
  X(IterativeEquationSolver, 2) \
  X(SparseSolver, 3)            \
  X(ParallelSparseSolver, 4)
TRV_SCHEMA_ENUM(ORIN_SOLV, TRV_ORIN_SOLV)

#define TRV_ORIN_ITER(X) \
  X(Automatic, -1)       \
  X(Crisfield, 0)        \
  X(Linesearch, 3)
TRV_SCHEMA_ENUM(ORIN_ITER, TRV_ORIN_ITER)

// clang-format off
#define TRV_ORIN_CONTROL_PROPERTIES(X) \
  X(1, warp, ORIN_WARP, ORIN_WARP::NotActive, \
    ({{"DisplayName", "Warping torsion"}, {"Category", ""}})) \
  X(2, spri, ORIN_SPRI, ORIN_SPRI::Automatic, \
    ({{"DisplayName", "Transverse force eccentricity of coupling springs"}, {"Category", "Spring options"}})) \
  X(3, solv, ORIN_SOLV, ORIN_SOLV::SparseSolver, \
    ({{"DisplayName", "Solution of the system"}, {"Category", ""}})) \
  X(11, iter, ORIN_ITER, ORIN_ITER::Automatic, \
    ({{"DisplayName", "Iteration method"}, {"Category", ""}})) \
  X(14, fric, nullable<double>, {}, \
    ({{"DisplayName", "Maximum allowable shear stress for QUAD concrete rule"}, {"Category", ""}})) \
  X(18, bric, nullable<std::int32_t>, {}, \
    ({{"DisplayName", "Control of BRIC elements"}, {"Category", ""}})) \
  X(19, cabl, nullable<double>, {}, \
    ({{"DisplayName", "Cable handling for geometrically non-linear calculation"}, {"Category", ""}})) \
  X(59, t_custom, bool, false, \
    ({{"DisplayName", "Custom"}, {"Category", "T-beam components"}})) \
  X(60, moments, bool, false, \
    ({{"DisplayName", "Moments My are added"}, {"Category", "T-beam components"}})) \
  X(61, shearforces, bool, false, \
    ({{"DisplayName", "Shear Forces Vz are added"}, {"Category", "T-beam components"}})) \
  X(62, axialforces, bool, false, \
    ({{"DisplayName", "Axial Forces N are added"}, {"Category", "T-beam components"}})) \
  X(63, torsional, bool, false, \
    ({{"DisplayName", "Torsional Moments MT are added"}, {"Category", "T-beam components"}})) \
  X(64, spri_direction, bool, true, \
    ({{"DisplayName", "Coupling spring will always keep its direction"}, {"Category", "Spring options"}}))
// clang-format on
TRV_SCHEMA_RECORD(ORIN_Control_Properties, TRV_ORIN_CONTROL_PROPERTIES)

}  // namespace trv::control_param
