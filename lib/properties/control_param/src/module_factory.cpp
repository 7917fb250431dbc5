#include <cstdint>

#include "lib/properties/control_param/src/module_data.h"
#include "lib/properties/control_param/src/program_records.h"

namespace trv::control_param::data {

std::shared_ptr<InternalInterface> createModule(ProgrammTypes type, int databaseHandle) {
  std::shared_ptr<InternalInterface> module;
  if (static_cast<std::uint32_t>(type) > static_cast<std::uint32_t>(BRAX_A)) return module;
  visitModule(type, [&](auto row) {
    module = std::make_shared<typename decltype(row)::ModuleType>(type, databaseHandle);
  });
  return module;
}

}  // namespace trv::control_param::data
