#include "host/trv_properties_qt/configure_xlator.h"

#include "translation/Xlator.h"

namespace trv::properties::detail {

void configure_xlator(translation::Xlator& xlator, std::string const& qualifiedName) {
  auto& impl = xlator.impl();
  impl.recordDomains[qualifiedName] = qualifiedName;
  impl.dirty = true;
}

}  // namespace trv::properties::detail
