#pragma once
// One step of a task's edit history on Qt's undo stack: the record before and after an edit. The edit is
// already committed when its step is pushed, so the first redo (the one push makes) does nothing. Undo and
// redo only hand the record of their side to the module (`stepTo`), which commits it once the stack has
// finished the step and moved its index (`finishStep`): a slot of that commit may then use the history as
// it likes (undo again, push a step, start the history anew and so free this step) without the stack or the
// step being in the middle of anything.

#include <utility>

#include <QUndoCommand>

namespace trv::control_param::data {

template <typename Module>
class RecordStep final : public QUndoCommand {
 public:
  using Record = typename Module::record_type;

  RecordStep(Module& module, QString const& text, Record before, Record after)
      : QUndoCommand(text), module_(module), before_(std::move(before)), after_(std::move(after)) {}

  void undo() override { module_.stepTo(before_); }
  void redo() override {
    if (!std::exchange(pushed_, false)) module_.stepTo(after_);
  }

 private:
  Module& module_;
  Record before_;
  Record after_;
  bool pushed_ = true;
};

}  // namespace trv::control_param::data
