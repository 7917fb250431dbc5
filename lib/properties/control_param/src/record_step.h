#pragma once
// One step of a task's edit history on Qt's undo stack: the record before and after an edit. The edit is
// already committed when its step is pushed, so the first redo (the one push makes) does nothing; undo and
// redo commit the record of their side through the module's `restore`. A step runs inside Qt's event handling
// (a shortcut, a menu entry), so a commit that fails is reported to the host's assertion log, never thrown.

#include <exception>
#include <utility>

#include <QUndoCommand>

#include "reports/host_reports.h"

namespace trv::control_param::data {

template <typename Module>
class RecordStep final : public QUndoCommand {
 public:
  using Record = typename Module::record_type;

  RecordStep(Module& module, QString const& text, Record before, Record after)
      : QUndoCommand(text), module_(module), before_(std::move(before)), after_(std::move(after)) {}

  void undo() override { restore(before_); }
  void redo() override {
    if (!std::exchange(pushed_, false)) restore(after_);
  }

 private:
  void restore(Record const& record) {
    try {
      module_.restore(record);
    } catch (std::exception const& error) {
      reportToHost("step.restore(record)", report_position::kUndoStepFailed, error.what());
    }
  }

  Module& module_;
  Record before_;
  Record after_;
  bool pushed_ = true;
};

}  // namespace trv::control_param::data
