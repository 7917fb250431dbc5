#pragma once
// The undo and redo steps of one task's record. Every commit of the record that is not itself an undo or
// redo (an inspector edit, a reset to defaults) becomes one step; loading stored options, the upgrade and the
// construction-stage setters start the history anew. At most kMaxSteps steps are kept.

#include <cstddef>
#include <utility>
#include <vector>

namespace trv::control_param::data {

template <typename Record>
class RecordHistory {
 public:
  static constexpr std::size_t kMaxSteps = 100;

  explicit RecordHistory(Record const& current) : last_(current) {}

  // After each commit, with the record as it now is; a commit that left it as it was is no step.
  void committed(Record const& now) {
    if (!applying_ && !(now == last_)) {
      undo_.push_back(std::move(last_));
      if (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
      redo_.clear();
    }
    last_ = now;
  }

  // Forgets every step; `now` is where the history starts.
  void clear(Record const& now) {
    undo_.clear();
    redo_.clear();
    last_ = now;
  }

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }

  // Goes one step back (undo) or forth (redo): `apply(record)` commits the record of that step. Without a
  // step nothing happens; when `apply` throws, the history stays as it was.
  template <typename Apply>
  void undo(Apply&& apply) {
    step(undo_, redo_, apply);
  }
  template <typename Apply>
  void redo(Apply&& apply) {
    step(redo_, undo_, apply);
  }

 private:
  template <typename Apply>
  void step(std::vector<Record>& from, std::vector<Record>& to, Apply& apply) {
    if (from.empty()) return;
    Record const target = from.back();
    Record previous = last_;
    applying_ = true;
    try {
      apply(target);
    } catch (...) {
      applying_ = false;
      throw;
    }
    applying_ = false;
    from.pop_back();
    to.push_back(std::move(previous));
    last_ = target;
  }

  Record last_;
  std::vector<Record> undo_;
  std::vector<Record> redo_;
  bool applying_ = false;
};

}  // namespace trv::control_param::data
