#include "lib/properties/control_param/src/InternalInterface.h"

#include <QThread>
#include <QUndoStack>

#include "host/trv_dbo/dbo.h"
#include "lib/properties/control_param/src/model_signal_forwarding.h"
#include "translation/Xlator.h"

namespace trv::control_param::data {
namespace {

std::shared_ptr<properties::Configuration> makeConfiguration() {
  auto selectionManager = std::make_shared<SelectionManager<ObjectKey>>();
  auto properties = std::make_shared<properties::Properties>();
  auto validatorFactory = std::make_shared<qt::DefaultValidatorFactory>();
  auto editorFactory = std::make_shared<qt::DefaultEditorFactory>(validatorFactory);
  auto signals = std::make_shared<properties::DataModelSignals>();
  auto xlator = std::make_shared<translation::Xlator>();
  return std::make_shared<properties::Configuration>(
      properties::Configuration{std::move(selectionManager), std::move(properties), std::move(editorFactory),
                                std::move(validatorFactory), std::move(signals), std::move(xlator)});
}

ModelContent askModelContent(int databaseHandle) {
  ModelContent content;
  content.hasQuads = dbo::hasQuads(databaseHandle, nullptr);
  content.hasBrics = dbo::hasBrics(databaseHandle, nullptr);
  content.hasBeams = dbo::hasBeams(databaseHandle, nullptr);
  content.hasCables = dbo::hasCables(databaseHandle, nullptr);
  content.hasSprings = dbo::hasSprings(databaseHandle, nullptr);
  return content;
}

}  // namespace

InternalInterface::InternalInterface(ProgrammTypes type, int databaseHandle)
    : programType(type),
      configuration(makeConfiguration()),
      model(std::make_shared<container::model::Model>()),
      connections(forwardModelSignals(*model, configuration,
                                      [this] {
                                        if (historyTurn_) historyTurn_(*this);
                                      })),
      thread_(QThread::currentThread()) {
  modelContent = askModelContent(databaseHandle);
}

InternalInterface::~InternalInterface() {
  undoStack_.reset();
  for (auto& connection : connections) connection.disconnect();
  connections.clear();
  model.reset();
  configuration.reset();
}

QUndoStack& InternalInterface::undoStack() {
  if (!undoStack_) {
    undoStack_ = std::make_unique<QUndoStack>();
    undoStack_->setUndoLimit(kUndoLimit);
    if (!savedAtStart_) undoStack_->resetClean();
    if (undoStack_->thread() != thread_) undoStack_->moveToThread(thread_);
    // The first slot of the new index: the stack is done with the step, so the slots of the step's commit
    // find it in order (and may even start the history anew, freeing the step).
    QObject::connect(
        undoStack_.get(), &QUndoStack::indexChanged, undoStack_.get(), [this] { finishStep(); },
        Qt::DirectConnection);
  }
  return *undoStack_;
}

// clear() empties the stack and makes it clean before it announces that, and leaves an empty stack alone. A
// slot of its announcement may push a step or start the history anew itself, both after this start: a start
// of the slot's stands, a step keeps its place, and only the clean state that clear() did not set is set.
void InternalInterface::startHistory(bool saved) {
  savedAtStart_ = saved;
  if (!undoStack_) return;
  unsigned const start = ++starts_;
  bool const hadSteps = undoStack_->count() != 0;
  undoStack_->clear();
  if (starts_ != start) return;
  if (!saved)
    undoStack_->resetClean();
  else if (!hadSteps)
    undoStack_->setClean();
}

void InternalInterface::test4upgrade(logging::UILogEntryCollectorSink&) {}
void InternalInterface::upgrade() {}

}  // namespace trv::control_param::data
