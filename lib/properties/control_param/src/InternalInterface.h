#pragma once
// The module data object behind a non-empty Data: one task's option record, inspector context and model
// wiring. Created only by the factory, together with its control block, so it is destroyed as its
// concrete type (the class has no virtual destructor on purpose).

#include <memory>
#include <string>
#include <vector>

#include <QString>

class QThread;
class QUndoStack;
#include <boost/signals2/connection.hpp>

#include "container/model/Model.h"
#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "host/trv_properties_qt/Configuration.h"
#include "lib/properties/control_param/vocabulary/ModelContent.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"

namespace trv::control_param::data {

class InternalInterface {
 public:
  virtual QString getXMLData() = 0;
  virtual void insertXMLData(QString const& xml) = 0;
  virtual void test4upgrade(logging::UILogEntryCollectorSink& sink);
  virtual void upgrade();
  virtual std::vector<QString> getKELMAR(int language) = 0;

  // The options named in `fields` (every option when empty) back at their schema defaults, in one
  // transaction; an option is a field that has an inspector property. Throws std::invalid_argument for a
  // name of no option, before anything changes.
  virtual void resetToDefaults(std::vector<std::string> const& fields) = 0;

  // The task's edit history, made when first needed (the first step, or a host's first call) in the thread
  // that made the task, with at most kUndoLimit steps; shared by every copy and widget of the task.
  QUndoStack& undoStack();
  // The same, or null while it has not been needed.
  QUndoStack* existingUndoStack() const { return undoStack_.get(); }
  // Starts the history anew: `saved`, the task is as stored (clean); else it is changed, not saved.
  void startHistory(bool saved);
  // Commits the record that an undone or redone step left to be committed, if any (see RecordStep).
  void finishStep() {
    if (finishStep_) finishStep_(*this);
  }

  static constexpr int kUndoLimit = 100;

  ProgrammTypes programType;
  ModelContent modelContent;
  std::shared_ptr<properties::Configuration> configuration;
  std::shared_ptr<container::model::Model> model;
  std::vector<boost::signals2::scoped_connection> connections;

 protected:
  // The history's part in the task, set by the module class once it is made: its turn at each commit of the
  // record, before anybody else hears of the commit, and the commit of a step's record.
  void (*historyTurn_)(InternalInterface&) = nullptr;
  void (*finishStep_)(InternalInterface&) = nullptr;
  std::unique_ptr<QUndoStack> undoStack_;
  QThread* thread_;           // the thread that made the task
  bool savedAtStart_ = true;  // whether a history made later starts clean
  unsigned starts_ = 0;       // new starts of the history so far

  InternalInterface(ProgrammTypes type, int databaseHandle);
  ~InternalInterface();
  InternalInterface(InternalInterface const&) = delete;
  InternalInterface& operator=(InternalInterface const&) = delete;
};

}  // namespace trv::control_param::data
