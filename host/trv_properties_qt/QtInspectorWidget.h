#pragma once
// Stand-in for the suite's property inspector widget.

#include <memory>

#include <QWidget>

#include "container/model/ObjectKey.h"
#include "host/trv_properties_qt/DataModelSignals.h"
#include "host/trv_properties_qt/Property.h"
#include "host/trv_properties_qt/SelectionManager.h"
#include "host/trv_qt2/DefaultEditorFactory.h"
#include "host/trv_qt2/DefaultValidatorFactory.h"

namespace trv::properties {

class QtInspectorWidget : public QWidget {
  Q_OBJECT

 public:
  QtInspectorWidget(QWidget* parent, std::shared_ptr<Properties> properties,
                    std::shared_ptr<SelectionManager<ObjectKey>> selectionManager,
                    std::shared_ptr<qt::DefaultEditorFactory> editorFactory,
                    std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory,
                    std::shared_ptr<DataModelSignals> signals);
  ~QtInspectorWidget() override;

  std::shared_ptr<Properties> const& properties() const { return properties_; }
  std::shared_ptr<SelectionManager<ObjectKey>> const& selectionManager() const { return selectionManager_; }
  std::shared_ptr<DataModelSignals> const& modelSignals() const { return signals_; }

 private:
  std::shared_ptr<Properties> properties_;
  std::shared_ptr<SelectionManager<ObjectKey>> selectionManager_;
  std::shared_ptr<qt::DefaultEditorFactory> editorFactory_;
  std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory_;
  std::shared_ptr<DataModelSignals> signals_;
};

}  // namespace trv::properties
