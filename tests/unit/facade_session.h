#pragma once
// A task as a host drives it (a Data, its inspector's properties and signals), the changes a host asks of it
// by number, and what a task is left with: shared by the table of slots that call the task back and the fuzz
// target of random sessions.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QUndoStack>
#include <boost/any.hpp>
#include <boost/signals2/connection.hpp>

#include "bench/full_records.h"
#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"

namespace facade_session {

using namespace trv::control_param;

enum Call { kLoad, kReset, kUpgrade, kUndo, kRedo, kSetValue, kSetNmat, kSetProb, kCallCount };
inline char const* const kCallNames[] = {"load", "reset",    "upgrade",      "undo",
                                         "redo", "setValue", "setBRAX_NMAT", "setBRAX_PROB"};

// The calls a task of `type` takes: the setters are for construction-stage tasks only.
inline int callsOf(ProgrammTypes type) {
  return type == BRAX_A ? kCallCount : kSetNmat;
}

inline QString const kDefaultText = QStringLiteral("AA==\n");  // every record at its schema defaults

// A project database whose model holds every element kind: each variant keeps every property it can show.
inline int everyElementKind() {
  constexpr int kHandle = 4713;
  trv::dbo::standin::setModel(kHandle, {true, true, true, true, true});
  return kHandle;
}

// The host listens to the inspector's signals without a widget open (a widget's slots would only slow the
// calls down, about ten times): one is made for its properties and signals and let go.
struct Task {
  explicit Task(ProgrammTypes type) : data(type, everyElementKind()) {
    std::unique_ptr<trv::properties::QtInspectorWidget> const widget(data.createPropertyInspector(nullptr));
    properties = widget->properties();
    modelSignals = widget->modelSignals();
    visitRecordType(type, [&](auto tag) {
      fullText = data::encodeRecord(trv::bench::fullRecord<typename decltype(tag)::type>());
    });
    for (int i = 0; i < count(); ++i) defaults.push_back(value(i));
    data.insertXMLData(fullText);
    for (int i = 0; i < count(); ++i) fulls.push_back(value(i));
    data.insertXMLData(kDefaultText);
  }

  int count() const { return static_cast<int>(properties->list().size()); }
  trv::properties::Property& property(int which) const {
    return *properties->list()[static_cast<std::size_t>(which % count())];
  }
  boost::any value(int which) const {
    boost::any value;
    property(which).getValue(data::RecordKey, value);
    return value;
  }

  // The change `call`, `which` telling the variant: load the text with every option away from its default
  // (even) or at the defaults (odd); switch property `which` between its default and its value in that text;
  // set one or the other choice.
  void make(int call, int which) {
    switch (call) {
      case kLoad:
        return data.insertXMLData(which % 2 ? kDefaultText : fullText);
      case kReset:
        return data.resetToDefaults();
      case kUpgrade:
        return data.upgrade();
      case kUndo:
        return data.undo();
      case kRedo:
        return data.redo();
      case kSetNmat:
        return data.setBRAX_NMAT(which % 2 ? BRAX_NMAT::Inactive : BRAX_NMAT::Active);
      case kSetProb:
        return data.setBRAX_PROB(which % 2 ? BRAX_PROB::Linear : BRAX_PROB::IncludingNonlinearEffects);
    }
    std::size_t const i = static_cast<std::size_t>(which % count());
    bool const atDefault = property(which).isEqual(value(which), defaults[i]);
    property(which).setValue(data::RecordKey, atDefault ? fulls[i] : defaults[i]);
  }

  // What the task is left with: its stored text, its history's steps, position and clean state.
  std::string state() {
    QUndoStack const& stack = *data.undoStack();
    std::string text = data.getXMLData().toStdString() + (stack.isClean() ? "clean" : "changed") + " at " +
                       std::to_string(stack.index()) + ':';
    for (int i = 0; i < stack.count(); ++i) text += " [" + stack.text(i).toStdString() + ']';
    return text;
  }

  Data data;
  std::shared_ptr<trv::properties::Properties> properties;
  std::shared_ptr<trv::properties::DataModelSignals> modelSignals;
  QString fullText;                  // the stored text of a record with every field away from its default
  std::vector<boost::any> defaults;  // each property's value at the schema defaults, in list order
  std::vector<boost::any> fulls;     // and in that record
};

// A host's slot on a task, connected while this lives: to the inspector's modifiedDone or modified, or to the
// undo stack's indexChanged or cleanChanged.
class HostSlot {
 public:
  enum Signal { kModifiedDone, kModified, kIndexChanged, kCleanChanged, kSignalCount };
  static inline char const* const kSignalNames[] = {"modifiedDone", "modified", "indexChanged",
                                                    "cleanChanged"};

  HostSlot(Task& task, int signal, std::function<void()> slot) {
    auto const inspector = [slot](trv::ObjectKey const&) { slot(); };
    QUndoStack* const stack = task.data.undoStack();
    switch (signal) {
      case kModifiedDone:
        inspector_ = task.modelSignals->modifiedDone.connect(inspector);
        break;
      case kModified:
        inspector_ = task.modelSignals->modified.connect(inspector);
        break;
      case kIndexChanged:
        stack_ = QObject::connect(stack, &QUndoStack::indexChanged, slot);
        break;
      default:
        stack_ = QObject::connect(stack, &QUndoStack::cleanChanged, slot);
    }
  }
  ~HostSlot() { QObject::disconnect(stack_); }
  HostSlot(HostSlot const&) = delete;
  HostSlot& operator=(HostSlot const&) = delete;

 private:
  boost::signals2::scoped_connection inspector_;
  QMetaObject::Connection stack_;
};

}  // namespace facade_session
