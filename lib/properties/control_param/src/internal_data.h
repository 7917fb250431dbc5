#pragma once
// The module data object pattern, instantiated once per option record.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "container/model/Transaction.h"
#include "container/model/change.h"
#include "lib/properties/control_param/src/InternalInterface.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/errors.h"
#include "lib/properties/control_param/src/kelmar.h"
#include "lib/properties/control_param/src/record_history.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "properties/qt/inc/nextgen/applicability.h"
#include "properties/qt/inc/nextgen/from_bond.h"

namespace trv::control_param::data {

template <typename Record>
class ModuleData : public InternalInterface {
 public:
  using record_type = Record;

  ModuleData(ProgrammTypes type, int databaseHandle);

  QString getXMLData() override { return encodeRecord(record()); }

  void insertXMLData(QString const& xml) override {
    replaceRecord(decodeRecord<Record>(xml));
    clearHistory();
  }

  std::vector<QString> getKELMAR(int language) override {
    return writeKelmar(programType, record(), modelContent, language);
  }

  void resetToDefaults(std::vector<std::string> const& fields) override;

  void undo() override {
    history_.undo([this](Record const& step) { replaceRecord(step); });
  }
  void redo() override {
    history_.redo([this](Record const& step) { replaceRecord(step); });
  }
  bool canUndo() const override { return history_.canUndo(); }
  bool canRedo() const override { return history_.canRedo(); }
  void clearHistory() override { history_.clear(record()); }

  // The record in place, read without a transaction.
  Record const& record() const { return model->get<Record>(RecordKey); }

  // Changes the record in one committed transaction: `change(Record&)`.
  template <typename Change>
  void changeRecord(Change&& change) {
    container::model::change<Record>(*model, RecordKey, std::forward<Change>(change));
  }

 private:
  void replaceRecord(Record const& with) {
    changeRecord([&](Record& record) { record = with; });
  }

  RecordHistory<Record> history_{Record{}};
  boost::signals2::scoped_connection historyConnection_;  // after history_: disconnected before it goes
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
  configuration->selectionManager->selected.insert(RecordKey);
  properties::nextgen::filterApplicableProperties(programType, *configuration, modelContent, model);
  historyConnection_ = model->modified.connect([this](auto const&) { history_.committed(record()); });
}

}  // namespace trv::control_param::data
