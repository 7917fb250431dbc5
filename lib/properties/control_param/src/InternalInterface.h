#pragma once
// The module data object behind a non-empty Data: one task's option record, inspector context and model
// wiring. Created only by the factory, together with its control block, so it is destroyed as its
// concrete type (the class has no virtual destructor on purpose).

#include <memory>
#include <string>
#include <vector>

#include <QString>
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
  // The inspector's edit history (see RecordHistory).
  virtual void undo() = 0;
  virtual void redo() = 0;
  virtual bool canUndo() const = 0;
  virtual bool canRedo() const = 0;
  virtual void clearHistory() = 0;

  ProgrammTypes programType;
  ModelContent modelContent;
  std::shared_ptr<properties::Configuration> configuration;
  std::shared_ptr<container::model::Model> model;
  std::vector<boost::signals2::scoped_connection> connections;

 protected:
  InternalInterface(ProgrammTypes type, int databaseHandle);
  ~InternalInterface();
  InternalInterface(InternalInterface const&) = delete;
  InternalInterface& operator=(InternalInterface const&) = delete;
};

}  // namespace trv::control_param::data
