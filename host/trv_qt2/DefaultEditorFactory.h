#pragma once
// Stand-in for the suite's editor factory: makes the editor of an inspector value from the property's
// settings tree ("editor.*" keys), with validators from the validator factory it is built on.

#include <memory>

#include "host/trv_qt2/DefaultValidatorFactory.h"

namespace trv::qt {

class DefaultEditorFactory {
 public:
  explicit DefaultEditorFactory(std::shared_ptr<DefaultValidatorFactory> validatorFactory);
  virtual ~DefaultEditorFactory();

  std::shared_ptr<DefaultValidatorFactory> const& validatorFactory() const { return validatorFactory_; }

 private:
  std::shared_ptr<DefaultValidatorFactory> validatorFactory_;
};

}  // namespace trv::qt
