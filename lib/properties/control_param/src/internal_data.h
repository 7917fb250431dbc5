#pragma once
// The module data object pattern, instantiated once per option record.

#include <algorithm>
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

namespace trv::control_param::data {

template <typename Record>
class ModuleData : public InternalInterface {
 public:
  using record_type = Record;

  ModuleData(ProgrammTypes type, int databaseHandle);
  ~ModuleData() { afterModification_ = nullptr; }

  QString getXMLData() override { return encodeRecord(record()); }

  // Loading stored options starts the history anew, as stored.
  void insertXMLData(QString const& xml) override {
    restore(decodeRecord<Record>(xml));
    startHistory(true);
  }

  std::vector<QString> getKELMAR(int language) override {
    return writeKelmar(programType, record(), modelContent, language);
  }

  void resetToDefaults(std::vector<std::string> const& fields) override;

  // Commits `with` as the record in one transaction without making it a step of the history (a load, an undo
  // or a redo).
  void restore(Record const& with) {
    Guard<Record const*> const guard(restoring_, &with);
    changeRecord([&](Record& record) { record = with; });
  }

  // The record in place, read without a transaction.
  Record const& record() const { return model->get(place_); }

  // Changes the record in one committed transaction: `change(Record&)`.
  template <typename Change>
  void changeRecord(Change&& change) {
    container::model::change(*model, place_, std::forward<Change>(change));
  }

 private:
  // Sets a flag for its lifetime.
  template <typename Flag>
  struct Guard {
    Guard(Flag& flag, Flag value) : flag_(flag) { flag_ = value; }
    ~Guard() { flag_ = Flag{}; }
    Flag& flag_;
  };

  // After each commit: a change that is no load, undo or redo becomes a step of the history.
  void committed();
  // What a step from `before` to `after` changed: the option's label, or a text for several options.
  QString stepText(Record const& before, Record const& after) const;

  container::model::Place<Record> place_;  // the record's, which stays in the model for the task's life
  Record last_;                            // the record as the history last saw it
  Record const* restoring_ = nullptr;      // the record of a commit that is no step
  bool resetting_ = false;                 // a reset to defaults
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
  afterModification_ = [](InternalInterface& self) { static_cast<ModuleData&>(self).committed(); };
}

// A commit that is no step is the one record being restored: it is taken as the history's view without a
// look into the model or a comparison.
template <typename Record>
void ModuleData<Record>::committed() {
  if (restoring_) {
    last_ = *restoring_;
    return;
  }
  Record const& now = record();
  if (now == last_) return;
  QString const text =
      resetting_ ? QCoreApplication::translate("ModuleData", "Reset to defaults") : stepText(last_, now);
  auto* step = new RecordStep<ModuleData>(*this, text, std::exchange(last_, now), now);
  undoStack().push(step);
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
