// Placeholder until the KELMAR writers land.
#include "lib/properties/control_param/src/kelmar.h"

namespace trv::control_param::data {

#define TRV_PENDING_(R) \
  std::vector<QString> writeKelmar(ProgrammTypes, R const&, ModelContent const&, int) { return {}; }
TRV_PENDING_(ORIN_Control_Properties)
TRV_PENDING_(PELU_Control_Properties)
TRV_PENDING_(NEVO_Control_Properties)
TRV_PENDING_(Zuther_Control_Properties)
TRV_PENDING_(BRAX_Control_Properties)

}  // namespace trv::control_param::data
