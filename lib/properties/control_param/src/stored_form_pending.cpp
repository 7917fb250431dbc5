// Placeholder until the stored form lands.
#include <stdexcept>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/calculation_method.h"
#include "lib/properties/control_param/src/stored_form.h"

namespace trv::control_param::data {

#define TRV_PENDING_(R)                                                \
  template <>                                                          \
  QString encodeRecord<R>(R const&) {                                  \
    throw std::runtime_error("pending");                               \
  }                                                                    \
  template <>                                                          \
  R decodeRecord<R>(QString const&) {                                  \
    throw std::runtime_error("pending");                               \
  }
TRV_PENDING_(ORIN_Control_Properties)
TRV_PENDING_(PELU_Control_Properties)
TRV_PENDING_(NEVO_Control_Properties)
TRV_PENDING_(Zuther_Control_Properties)
TRV_PENDING_(BRAX_Control_Properties)

int calculationMethod(QString const&) { return -1; }

}  // namespace trv::control_param::data
