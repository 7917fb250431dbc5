#pragma once
// Options of the construction-stage analysis (program type 11). `version_id` is the record's format version
// (0: never upgraded, 1: current) and carries no attribute, so it has no inspector property.

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"

namespace trv::control_param {

#define TRV_BRAX_ACTIVATION(X) \
  X(AutomaticActivation, 0)    \
  X(NoActivation, 1)
TRV_SCHEMA_ENUM(BRAX_Activation, TRV_BRAX_ACTIVATION)

#define TRV_BRAX_BEAM(X) \
  X(SystemDepending, 0)  \
  X(Pelu, 1)             \
  X(Orin, 2)
TRV_SCHEMA_ENUM(BRAX_BEAM, TRV_BRAX_BEAM)

#define TRV_BRAX_CREP(X) \
  X(Standard, 0)         \
  X(Advanced, 1)
TRV_SCHEMA_ENUM(BRAX_CREP, TRV_BRAX_CREP)

#define TRV_BRAX_EIGE(X)  \
  X(ProjectDesignCode, 0) \
  X(EN1992, 1)            \
  X(FibModelCode, 2)      \
  X(CebFipModelCode, 3)   \
  X(RueschSummation, 4)
TRV_SCHEMA_ENUM(BRAX_EIGE, TRV_BRAX_EIGE)

#define TRV_BRAX_CANT(X)              \
  X(InSystemPosition, 0)              \
  X(WithOriginalInclination, 1)       \
  X(TangentialCantileverErection, 2)  \
  X(AddNodesSeparateHorizontally, 11) \
  X(AddNodesSeparateTangentially, 12)
TRV_SCHEMA_ENUM(BRAX_CANT, TRV_BRAX_CANT)

#define TRV_BRAX_PROB(X)          \
  X(Linear, 0)                    \
  X(IncludingNonlinearEffects, 1) \
  X(FullGeometricalNonlinearAnalysis, 2)
TRV_SCHEMA_ENUM(BRAX_PROB, TRV_BRAX_PROB)

#define TRV_BRAX_NMAT(X) \
  X(Active, 0)           \
  X(Inactive, 1)
TRV_SCHEMA_ENUM(BRAX_NMAT, TRV_BRAX_NMAT)

// clang-format off
#define TRV_BRAX_CONTROL_PROPERTIES(X) \
  X(0, dl, BRAX_Activation, BRAX_Activation::AutomaticActivation, \
    ({{"DisplayName", "Dead load activation"}, {"Category", ""}})) \
  X(1, beam, BRAX_BEAM, BRAX_BEAM::SystemDepending, \
    ({{"DisplayName", "Module for creep & shrinkage"}, {"Category", ""}})) \
  X(2, crep, BRAX_CREP, BRAX_CREP::Advanced, \
    ({{"DisplayName", "Creep & shrinkage for beam elements"}, {"Category", ""}})) \
  X(3, eige, BRAX_EIGE, BRAX_EIGE::ProjectDesignCode, \
    ({{"DisplayName", "Use creep & shrinkage according"}, {"Category", ""}})) \
  X(4, relz, BRAX_Activation, BRAX_Activation::AutomaticActivation, \
    ({{"DisplayName", "Tendon relaxation"}, {"Category", ""}})) \
  X(5, cant, BRAX_CANT, BRAX_CANT::AddNodesSeparateTangentially, \
    ({{"DisplayName", "Formwork placement"}, {"Category", ""}})) \
  X(6, cast, bool, false, \
    ({{"DisplayName", "Calculate cast-in-one loadcases for comparison"}, {"Category", ""}})) \
  X(7, stor, bool, true, \
    ({{"DisplayName", "Stress results for all stages"}, {"Category", ""}})) \
  X(8, prob, BRAX_PROB, BRAX_PROB::Linear, \
    ({{"DisplayName", "Type of analysis"}, {"Category", ""}})) \
  X(9, nmat, BRAX_NMAT, BRAX_NMAT::Inactive, \
    ({{"DisplayName", "Material nonlinearities"}, {"Category", ""}})) \
  X(10, emod, BRAX_Activation, BRAX_Activation::AutomaticActivation, \
    ({{"DisplayName", "Stiffness evolution of young concrete"}, {"Category", ""}})) \
  X(11, gpc, bool, false, \
    ({{"DisplayName", "Separation of GPC loads for construction stages: Removing temporary supports"}, \
      {"Category", ""}})) \
  X(12, version_id, std::int32_t, 0, ({}))
// clang-format on
TRV_SCHEMA_RECORD(BRAX_Control_Properties, TRV_BRAX_CONTROL_PROPERTIES)

}  // namespace trv::control_param
