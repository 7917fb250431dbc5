#pragma once
// The inspector context of one task: what every inspector widget made for it shares.

#include <memory>

#include "container/model/ObjectKey.h"
#include "host/trv_properties_qt/DataModelSignals.h"
#include "host/trv_properties_qt/Property.h"
#include "host/trv_properties_qt/SelectionManager.h"
#include "host/trv_qt2/DefaultEditorFactory.h"
#include "host/trv_qt2/DefaultValidatorFactory.h"

namespace trv::translation {
class Xlator;
}

namespace trv::properties {

struct Configuration {
  std::shared_ptr<SelectionManager<ObjectKey>> selectionManager;
  std::shared_ptr<Properties> properties;
  std::shared_ptr<qt::DefaultEditorFactory> editorFactory;
  std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory;
// The member is named as the suite names it; hosts that use Qt's keywords (signals, slots, emit) include this
// header too.
#pragma push_macro("signals")
#undef signals
  std::shared_ptr<DataModelSignals> signals;
#pragma pop_macro("signals")
  std::shared_ptr<translation::Xlator> xlator;
};

}  // namespace trv::properties
