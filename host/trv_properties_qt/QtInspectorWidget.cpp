#include "host/trv_properties_qt/QtInspectorWidget.h"

#include <utility>

namespace trv::properties {

QtInspectorWidget::QtInspectorWidget(QWidget* parent, std::shared_ptr<Properties> properties,
                                     std::shared_ptr<SelectionManager<ObjectKey>> selectionManager,
                                     std::shared_ptr<qt::DefaultEditorFactory> editorFactory,
                                     std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory,
                                     std::shared_ptr<DataModelSignals> signals)
    : QWidget(parent),
      properties_(std::move(properties)),
      selectionManager_(std::move(selectionManager)),
      editorFactory_(std::move(editorFactory)),
      validatorFactory_(std::move(validatorFactory)),
      signals_(std::move(signals)) {}

QtInspectorWidget::~QtInspectorWidget() = default;

}  // namespace trv::properties
