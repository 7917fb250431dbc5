#pragma once
// Stand-in for the suite's validator factory: makes the validator of an inspector value from the property's
// settings tree ("validator.*" keys).

#include "host/trv_properties_qt/Property.h"

class QObject;
class QValidator;

namespace trv::qt {

class DefaultValidatorFactory {
 public:
  DefaultValidatorFactory();
  virtual ~DefaultValidatorFactory();

  // A validator that accepts the texts that read as a value of the settings' kind within their bounds and
  // precision (and the empty text for optional values); null for choice lists.
  QValidator* create(properties::Meta const& meta, QObject* parent) const;
};

}  // namespace trv::qt
