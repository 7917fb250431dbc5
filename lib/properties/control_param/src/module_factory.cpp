#include <cstdint>

#include "lib/properties/control_param/src/module_data.h"

namespace trv::control_param::data {

std::shared_ptr<InternalInterface> createModule(ProgrammTypes type, int databaseHandle) {
  switch (static_cast<std::uint32_t>(type)) {
    case ORIN_A:
    case ORIN_B:
    case ORIN_C:
    case ORIN_D:
    case ORIN_E:
      return std::make_shared<OrinData>(type, databaseHandle);
    case PELU_A:
    case PELU_B:
      return std::make_shared<PeluData>(type, databaseHandle);
    case NEVO_A:
    case NEVO_B:
      return std::make_shared<NevoData>(type, databaseHandle);
    case Zuther_A:
    case Zuther_B:
      return std::make_shared<ZutherData>(type, databaseHandle);
    case BRAX_A:
      return std::make_shared<BraxData>(BRAX_A, databaseHandle);
    default:
      return nullptr;
  }
}

}  // namespace trv::control_param::data
