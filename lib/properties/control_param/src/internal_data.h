#pragma once
// The module data object pattern, instantiated once per option record.

#include <utility>

#include "container/model/Transaction.h"
#include "container/model/change.h"
#include "lib/properties/control_param/src/InternalInterface.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/kelmar.h"
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
    changeRecord([&](Record& record) { record = decodeRecord<Record>(xml); });
  }

  std::vector<QString> getKELMAR(int language) override {
    return writeKelmar(programType, record(), modelContent, language);
  }

  // The record in place, read without a transaction.
  Record const& record() const { return model->get<Record>(RecordKey); }

  // Changes the record in one committed transaction: `change(Record&)`.
  template <typename Change>
  void changeRecord(Change&& change) {
    container::model::change<Record>(*model, RecordKey, std::forward<Change>(change));
  }
};

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
}

}  // namespace trv::control_param::data
