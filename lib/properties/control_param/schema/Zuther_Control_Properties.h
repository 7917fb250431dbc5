#pragma once
// Options of the area design of concrete members (program types 8 and 9). There is no field 1.

#include "lib/properties/control_param/schema/enumeration.h"
#include "lib/properties/control_param/schema/reflection.h"

namespace trv::control_param {

#define TRV_LAY(X)  \
  X(Automatic, -1)  \
  X(LayerDesign, 1) \
  X(Baumann, 0)
TRV_SCHEMA_ENUM(LAY, TRV_LAY)

#define TRV_PFAI(X) \
  X(Automatic, 0)   \
  X(Mechanical, 1)  \
  X(Compression, 2)
TRV_SCHEMA_ENUM(PFAI, TRV_PFAI)

#define TRV_FACH_BERICHTE(X) \
  X(NoConsideration, 0)      \
  X(Consideration, 1)
TRV_SCHEMA_ENUM(Fach_Berichte, TRV_FACH_BERICHTE)

// clang-format off
#define TRV_ZUTHER_CONTROL_PROPERTIES(X) \
  X(0, lay, LAY, LAY::Automatic, \
    ({{"DisplayName", "Design Procedure"}, {"Category", ""}})) \
  X(2, tens, nullable<double>, {}, \
    ({{"DisplayName", "Reduction of the permissible concrete compressive stress at transverse tension [%]"}, \
      {"Category", ""}})) \
  X(3, pfai, PFAI, PFAI::Automatic, \
    ({{"DisplayName", "Compression failure method for shells and disks"}, {"Category", ""}})) \
  X(4, wend, nullable<double>, {}, \
    ({{"DisplayName", "Punching at ends of walls"}, {"Category", ""}})) \
  X(5, cott, nullable<double>, {}, \
    ({{"DisplayName", "Limitation of the cotangent theta for shear design"}, {"Category", ""}})) \
  X(6, bubb, nullable<double>, {}, \
    ({{"DisplayName", "Shear capacity reduction of bubble decks"}, {"Category", ""}})) \
  X(7, fach, Fach_Berichte, Fach_Berichte::NoConsideration, \
    ({{"DisplayName", "German DIN Fachberichte"}, {"Category", "Area Design"}}))
// clang-format on
TRV_SCHEMA_RECORD(Zuther_Control_Properties, TRV_ZUTHER_CONTROL_PROPERTIES)

}  // namespace trv::control_param
