#pragma once
// Stand-in for the suite's validator factory: makes the validator of an inspector value from the property's
// settings tree ("validator.*" keys).

namespace trv::qt {

class DefaultValidatorFactory {
 public:
  DefaultValidatorFactory();
  virtual ~DefaultValidatorFactory();
};

}  // namespace trv::qt
