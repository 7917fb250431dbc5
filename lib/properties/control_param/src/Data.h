#pragma once
// The control options of one analysis task, as the host sees them.
//
// A host makes one Data per task. Copies share one option record; a moved-from Data is empty, and every
// member operation on an empty Data other than copy, move, assignment and destruction throws
// std::logic_error, whose message says that the data is empty.
//
// Slots of the host may call the task back. While a change of the options is announced (the inspector's
// signals inserted, insertedDone, modified, modifiedDone, erased and erasedAll of a widget's modelSignals(),
// and the signals of the task's undo stack), a slot may call any member function of the task or of a copy.
// The call runs at once, its own change announced inside the first announcement, whose later slots still
// get it. The task ends as if the slot's calls had come right after the call that announced: that call's
// history is in place before anyone hears of its change (a load, an upgrade or a setter has started the
// history anew, an edit or a reset is a step, an undo or a redo has moved the stack), so a slot's change is a
// step after it, or starts the history anew after it, and no later undo takes it back unseen.
// aboutToErase and aboutToEraseAll are emitted inside the open transaction: their slots may read the task,
// and a change there throws "Transaction in progress".

#include <memory>
#include <vector>

#include <QString>

#include "lib/properties/control_param/schema/BRAX_Control_Properties.h"
#include "lib/properties/control_param/vocabulary/ProgrammTypes.h"
#include "lib/properties/control_param/vocabulary/export.h"

class QUndoStack;
class QWidget;

namespace trv::logging {
class UILogEntryCollectorSink;
}
namespace trv::properties {
class QtInspectorWidget;
}

namespace trv::control_param {

namespace data {
class InternalInterface;
}

class TRV_CONTROL_PARAM_EXPORT Data {
 public:
  Data(ProgrammTypes type, int databaseHandle);
  Data(Data const& other);
  Data(Data&& other) noexcept;
  Data& operator=(Data const& other);
  Data& operator=(Data&& other) noexcept;
  ~Data();

  // A new inspector widget over this task's options; the caller (usually `parent`) owns it.
  properties::QtInspectorWidget* createPropertyInspector(QWidget* parent);

  // The KELMAR control records: language 0 German ("STEU"), 1 English ("CTRL").
  std::vector<QString> getKELMAR(int language);

  // The calculation method stored in an older XML form of a task, or -1.
  static int getCalculationMethod(QString const& xml);

  // The stored text of the options (one Base64 line and a line feed), and its reverse.
  QString getXMLData();
  void insertXMLData(QString const& xml);

  // Construction-stage tasks only; any other task throws the object model's type mismatch
  // (std::runtime_error) and keeps its options.
  void setBRAX_NMAT(_bond_enumerators::BRAX_NMAT::BRAX_NMAT value);
  void setBRAX_PROB(_bond_enumerators::BRAX_PROB::BRAX_PROB value);

  // Reports (test4upgrade) and applies (upgrade) the upgrade of older stored options; construction-stage
  // tasks only, a no-op for the others.
  void test4upgrade(logging::UILogEntryCollectorSink& sink);
  void upgrade();

  // Sets the options named in `fields` (field names such as "warp"; every option when empty) back to their
  // schema defaults, in one transaction with one round of inspector signals. Options are the fields that have
  // an inspector property, shown or not; "version_id" is none, so an upgraded record stays upgraded. Throws
  // std::invalid_argument, whose message names the first other name, before anything changes.
  void resetToDefaults(std::vector<QString> const& fields = {});

  // The task's edit history on Qt's undo framework, made when first asked for and owned by the task (every
  // copy and every widget of it share it; a widget made by createPropertyInspector carries it as the dynamic
  // property "trv_undoStack", a QPointer<QUndoStack>). Each property edit and each resetToDefaults is a step,
  // named in the label language by the option's label or as a reset (at most 100 are kept); an undo or redo
  // is an ordinary change of the options. For menu entries with texts: createUndoAction/createRedoAction;
  // "changed since saved": isClean() (the host calls setClean() when it stores the task). insertXMLData
  // starts the history anew and clean; upgrade and the construction-stage setters anew and changed. The stack
  // belongs to the thread that made the task; a task shown in a widget belongs to the GUI thread. An undo or
  // redo changes the options when the stack announces its new index (the task's slot is the first of
  // indexChanged), so a host that blocks the stack's signals undoes and redoes through the two below.
  QUndoStack* undoStack();
  // The same stack's undo, redo and whether they can be done; nothing to do while it has not been made. A
  // step whose change fails is reported to the host's assertion reporter; nothing is thrown.
  void undo();
  void redo();
  bool canUndo() const;
  bool canRedo() const;

  // Whether this Data holds a task (false after a move, or for a program type outside 0..11).
  bool isValid() const { return static_cast<bool>(module); }

 private:
  data::InternalInterface& checked() const;

  std::shared_ptr<data::InternalInterface> module;
};

}  // namespace trv::control_param
