// A host's slot that calls its task back while a change is announced (Data.h): for every change a host asks
// for and every call a one-shot slot makes during its announcement (a slot of the inspector's modifiedDone or
// of the undo stack's indexChanged), over all program types, the task ends as it does when the slot's call
// comes after the change: the same stored text, steps, history position and clean state. In the sanitizer
// build the undo and redo rows also show that no step is read after a new start of the history freed it.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include <QSignalBlocker>
#include <QUndoStack>

#include "tests/unit/facade_session.h"

namespace {

using namespace facade_session;

// Two steps, the second undone: something to undo and something to redo.
void prepare(Task& task) {
  task.make(kLoad, 1);
  task.make(kSetValue, 1);
  task.make(kSetValue, 2);
  task.make(kUndo, 0);
}

TEST(SlotCalls, EndAsTheSameCallsOneAfterTheOther) {
  for (int number = 0; number < kProgrammTypeCount; ++number) {
    auto const type = static_cast<ProgrammTypes>(number);
    Task task(type);
    Task oracle(type);
    for (int change = 0; change < callsOf(type); ++change) {
      for (int call = 0; call < callsOf(type); ++call) {
        for (int const signal : {HostSlot::kModifiedDone, HostSlot::kIndexChanged}) {
          SCOPED_TRACE(std::string(kCallNames[change]) + ", the slot's " + kCallNames[call] + " on " +
                       HostSlot::kSignalNames[signal] + ", type " + std::to_string(number));
          prepare(task);
          prepare(oracle);
          bool called = false;
          HostSlot const slot(task, signal, [&, call = call] {
            if (!std::exchange(called, true)) task.make(call, 1);
          });
          task.make(change, 0);
          oracle.make(change, 0);
          // Every change is announced, but the upgrade of a task that needs none.
          EXPECT_EQ(called, change != kUpgrade || type == BRAX_A);
          if (called) oracle.make(call, 1);
          EXPECT_EQ(task.state(), oracle.state());
        }
      }
    }
  }
}

TEST(SlotCalls, TheFacadesUndoAndRedoChangeTheOptionsAlsoWhileTheStacksSignalsAreBlocked) {
  Task task(NEVO_B);
  prepare(task);
  QString const undone = task.data.getXMLData();
  QSignalBlocker const blocker(task.data.undoStack());
  task.data.redo();
  EXPECT_NE(task.data.getXMLData(), undone);
  task.data.undo();
  EXPECT_EQ(task.data.getXMLData(), undone);
}

}  // namespace
