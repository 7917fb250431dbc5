#pragma once
// The module data object pattern, instantiated once per option record.

#include <algorithm>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QUndoStack>

#include "container/model/Transaction.h"
#include "container/model/change.h"
#include "lib/properties/control_param/src/InternalInterface.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/errors.h"
#include "lib/properties/control_param/src/kelmar.h"
#include "lib/properties/control_param/src/record_step.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "properties/qt/inc/nextgen/applicability.h"
#include "properties/qt/inc/nextgen/from_bond.h"
#include "reports/host_reports.h"

namespace trv::control_param::data {

template <typename Record>
class ModuleData : public InternalInterface {
 public:
  using record_type = Record;

  ModuleData(ProgrammTypes type, int databaseHandle);
  ~ModuleData() { historyTurn_ = finishStep_ = nullptr; }

  QString getXMLData() override { return encodeRecord(record()); }

  // Loading stored options starts the history anew, as stored.
  void insertXMLData(QString const& xml) override { startOver(true, decodeRecord<Record>(xml)); }

  std::vector<QString> getKELMAR(int language) override {
    return writeKelmar(programType, record(), modelContent, language);
  }

  void resetToDefaults(std::vector<std::string> const& fields) override;

  // Commits `with` as the record a new history starts from (`saved`: as stored, else changed): a load, the
  // upgrade, a construction-stage setter. The history starts in the commit's turn, before anybody hears of
  // the commit, so what a slot writes meanwhile is a step after it; a commit that fails leaves it alone.
  void startOver(bool saved, Record const& with) {
    Guard<Start> const guard(starting_, saved ? Start::saved : Start::changed);
    restore(with);
  }
  // The same with the record as `change(Record&)` leaves a copy of it.
  template <typename Change>
  void startOverWith(bool saved, Change&& change) {
    Record with = record();
    std::forward<Change>(change)(with);
    startOver(saved, with);
  }

  // The record an undone or redone step leaves, kept by the step; committed by finishStep.
  void stepTo(Record const& record) { stepped_ = &record; }

  // The record in place, read without a transaction.
  Record const& record() const { return model->get(place_); }

  // Changes the record in one committed transaction: `change(Record&)`.
  template <typename Change>
  void changeRecord(Change&& change) {
    container::model::change(*model, place_, std::forward<Change>(change));
  }

 private:
  enum class Start { none, saved, changed };  // whether and how a commit starts the history anew

  // Sets a flag for its lifetime.
  template <typename Flag>
  struct Guard {
    Guard(Flag& flag, Flag value) : flag_(flag) { flag_ = value; }
    ~Guard() { flag_ = Flag{}; }
    Flag& flag_;
  };

  // Commits `with` as the record in one transaction without making it a step of the history.
  void restore(Record const& with) {
    Guard<Record const*> const guard(restoring_, &with);
    changeRecord([&](Record& record) { record = with; });
  }
  // The history's turn at each commit of the record (see the constructor).
  void historyTurn();
  // Commits the record a step left, if any; a failure is reported to the host, never thrown.
  void commitStep();
  // What a step from `before` to `after` changed: the option's label, or a text for several options.
  QString stepText(Record const& before, Record const& after) const;

  container::model::Place<Record> place_;  // the record's, which stays in the model for the task's life
  Record last_;                            // the record as the history last saw it
  Record const* restoring_ = nullptr;      // the record of a commit that is no step, until its turn
  Start starting_ = Start::none;           // and whether it starts the history anew
  bool resetting_ = false;                 // a reset to defaults, until its turn
  Record const* stepped_ = nullptr;        // the record an undone or redone step left, until committed
};

// Whether the field `name` of Record is an option (has an inspector property).
template <typename Record>
bool isOption(std::string const& name) {
  bool option = false;
  control_param::reflection::visit_field<Record>(
      name, [&](auto field) { option = control_param::reflection::is_option(decltype(field)::metadata); });
  return option;
}

template <typename Record>
void ModuleData<Record>::resetToDefaults(std::vector<std::string> const& fields) {
  for (auto const& name : fields)
    if (!isOption<Record>(name)) errors::unknownOption(name);
  Guard<bool> const guard(resetting_, true);
  changeRecord([&](Record& record) {
    control_param::reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      bool const named =
          fields.empty() || std::find(fields.begin(), fields.end(), Field::metadata.name) != fields.end();
      if (named && control_param::reflection::is_option(Field::metadata))
        Field::member(record) = Field::default_value;
    });
  });
}

// Construction: the base part (context, model wiring, model content), then the inspector properties, the
// default record under RecordKey, its selection and the variant's property filter.
//
// Re-entrancy: a host's slot may call any function of the task while a commit is announced (Data.h). Two
// rules keep the history right whatever such a slot does:
// - The history takes each commit first, before the inspector's signals, so no slot runs between a commit
//   and its history turn: the turn reads the record the commit left, and a slot's own write (also one made
//   by a slot of the stack's signals during the turn) is a later commit, its step or new start after this
//   one. Each turn takes the flags of its own commit (restoring_, starting_, resetting_), which a slot's
//   commit therefore never sees.
// - Undo and redo commit their record only once the stack has finished the step (its new index announced,
//   the first slot of indexChanged), so a slot of that commit never meets a stack in the middle of a step
//   or a step it has freed (a new start of the history deletes every step).
template <typename Record>
ModuleData<Record>::ModuleData(ProgrammTypes type, int databaseHandle)
    : InternalInterface(type, databaseHandle) {
  properties::nextgen::from_bond<Record>(*configuration, model);
  {
    container::model::Transaction transaction(*model);
    transaction.insert(RecordKey, Record{});
    transaction.commit();
  }
  place_ = model->place<Record>(RecordKey);
  configuration->selectionManager->selected.insert(RecordKey);
  properties::nextgen::filterApplicableProperties(programType, *configuration, modelContent, model);
  historyTurn_ = [](InternalInterface& self) { static_cast<ModuleData&>(self).historyTurn(); };
  finishStep_ = [](InternalInterface& self) { static_cast<ModuleData&>(self).commitStep(); };
}

// A commit that is no step is the one record being restored: it is taken as the history's view without a
// look into the model or a comparison (and then the history starts anew from it, where it is to). Any other
// commit that changed the record is a step.
template <typename Record>
void ModuleData<Record>::historyTurn() {
  if (Record const* const restored = std::exchange(restoring_, nullptr)) {
    last_ = *restored;
    if (Start const start = std::exchange(starting_, Start::none); start != Start::none)
      startHistory(start == Start::saved);
    return;
  }
  bool const reset = std::exchange(resetting_, false);
  Record const& now = record();
  if (now == last_) return;
  QString const text =
      reset ? QCoreApplication::translate("ModuleData", "Reset to defaults") : stepText(last_, now);
  auto* step = new RecordStep<ModuleData>(*this, text, std::exchange(last_, now), now);
  undoStack().push(step);
}

// A step runs inside Qt's event handling (a shortcut, a menu entry), so a commit that fails is reported to
// the host's assertion log, never thrown; the record stays as it was.
template <typename Record>
void ModuleData<Record>::commitStep() {
  Record const* const record = std::exchange(stepped_, nullptr);
  if (!record) return;
  try {
    restore(*record);
  } catch (std::exception const& error) {
    reportToHost("step.restore(record)", report_position::kUndoStepFailed, error.what());
  }
}

template <typename Record>
QString ModuleData<Record>::stepText(Record const& before, Record const& after) const {
  std::string const* changed = nullptr;
  int count = 0;
  control_param::reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    if (!(Field::member(before) == Field::member(after))) ++count, changed = &Field::metadata.name;
  });
  if (count == 1)
    for (auto const& property : configuration->properties->list())
      if (property->id == *changed) return QString::fromStdString(property->displayName);
  return QCoreApplication::translate("ModuleData", "Change of options");
}

}  // namespace trv::control_param::data
