#include "host/trv_qt2/DefaultValidatorFactory.h"

namespace trv::qt {

DefaultValidatorFactory::DefaultValidatorFactory() = default;
DefaultValidatorFactory::~DefaultValidatorFactory() = default;

}  // namespace trv::qt
