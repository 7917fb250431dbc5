#include "lib/properties/control_param/src/Data.h"

#include <utility>

#include <QPointer>
#include <QUndoStack>
#include <QVariant>

#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "host/trv_qt/trv_qt.h"
#include "lib/properties/control_param/src/calculation_method.h"
#include "lib/properties/control_param/src/errors.h"
#include "lib/properties/control_param/src/module_data.h"

namespace trv::control_param {
namespace {

// The library's Qt texts (the upgrade report) come through the host's translators.
TRV_QT_InitTranslator const translatorStartUp{"trv_control_param_table_dll"};
TRV_QT_InitTranslator const translatorStartUpQt{"trv_control_param_table_dll"};

// A construction-stage setter starts the history anew, changed since saved; a task of another module holds
// no such record and refuses it with the model's type mismatch.
template <typename Field>
void setBraxField(data::InternalInterface& module, Field value, Field BRAX_Control_Properties::*member) {
  module.model->get<BRAX_Control_Properties>(data::RecordKey);
  static_cast<data::BraxData&>(module).startOverWith(
      false, [&](BRAX_Control_Properties& record) { record.*member = value; });
}

// An undo or redo of the task's stack, its record committed also when the host blocks the stack's signals.
void step(data::InternalInterface& module, void (QUndoStack::*move)()) {
  if (QUndoStack* stack = module.existingUndoStack()) (stack->*move)();
  module.finishStep();
}

}  // namespace

Data::Data(ProgrammTypes type, int databaseHandle) : module(data::createModule(type, databaseHandle)) {}
Data::Data(Data const& other) = default;
Data::Data(Data&& other) noexcept = default;
Data& Data::operator=(Data const& other) = default;
Data& Data::operator=(Data&& other) noexcept {
  if (this == &other) return *this;
  std::shared_ptr<data::InternalInterface> previous = std::exchange(module, std::move(other.module));
  return *this;  // `previous` is released last
}
Data::~Data() = default;

data::InternalInterface& Data::checked() const {
  if (!module) errors::emptyData();
  return *module;
}

properties::QtInspectorWidget* Data::createPropertyInspector(QWidget* parent) {
  auto& module = checked();
  auto const& configuration = *module.configuration;
  auto* widget = new properties::QtInspectorWidget(
      parent, configuration.properties, configuration.selectionManager, configuration.editorFactory,
      configuration.validatorFactory, configuration.signals);
  widget->setProperty("trv_undoStack", QVariant::fromValue(QPointer<QUndoStack>(&module.undoStack())));
  return widget;
}

std::vector<QString> Data::getKELMAR(int language) {
  return checked().getKELMAR(language);
}

int Data::getCalculationMethod(QString const& xml) {
  return data::calculationMethod(xml);
}

QString Data::getXMLData() {
  return checked().getXMLData();
}

void Data::insertXMLData(QString const& xml) {
  checked().insertXMLData(xml);
}

void Data::setBRAX_NMAT(_bond_enumerators::BRAX_NMAT::BRAX_NMAT value) {
  setBraxField(checked(), value, &BRAX_Control_Properties::nmat);
}

void Data::setBRAX_PROB(_bond_enumerators::BRAX_PROB::BRAX_PROB value) {
  setBraxField(checked(), value, &BRAX_Control_Properties::prob);
}

void Data::test4upgrade(logging::UILogEntryCollectorSink& sink) {
  checked().test4upgrade(sink);
}

void Data::upgrade() {
  checked().upgrade();
}

void Data::resetToDefaults(std::vector<QString> const& fields) {
  std::vector<std::string> names;
  for (QString const& field : fields) names.push_back(field.toStdString());
  checked().resetToDefaults(names);
}

QUndoStack* Data::undoStack() {
  return &checked().undoStack();
}

void Data::undo() {
  step(checked(), &QUndoStack::undo);
}

void Data::redo() {
  step(checked(), &QUndoStack::redo);
}

bool Data::canUndo() const {
  QUndoStack const* stack = checked().existingUndoStack();
  return stack && stack->canUndo();
}

bool Data::canRedo() const {
  QUndoStack const* stack = checked().existingUndoStack();
  return stack && stack->canRedo();
}

}  // namespace trv::control_param
