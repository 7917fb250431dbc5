#include "host/trv_qt2/DefaultEditorFactory.h"

#include <utility>

namespace trv::qt {

DefaultEditorFactory::DefaultEditorFactory(std::shared_ptr<DefaultValidatorFactory> validatorFactory)
    : validatorFactory_(std::move(validatorFactory)) {}
DefaultEditorFactory::~DefaultEditorFactory() = default;

}  // namespace trv::qt
