// The window of `ctrlparam edit`: typed edits reach the KELMAR pane and the history, Save writes back only
// the chosen text of a file, and closing with unsaved changes asks first.
#include <gtest/gtest.h>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <sstream>

#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/edit_window.h"

namespace ctrlparam {
namespace {

constexpr int kHandle = 816;
// NEVO_A texts: gen 2, and gen 1.5 as the edit below leaves it.
constexpr char kGen2[] = "CwgBAAAAAAAAAEAA";
constexpr char kGen15[] = "CwgBAAAAAAAA+D8A";

class Window : public EditWindow {
 public:
  using EditWindow::EditWindow;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
  int asked = 0;
  QStringList refusals;  // of the questions asked about an entry that cannot be stored
  QStringList errors;

 protected:
  QMessageBox::StandardButton askToSave(QString const& refusal) override {
    ++asked;
    if (!refusal.isEmpty()) refusals << refusal;
    return answer;
  }
  void sayError(QString const& message) override { errors << message; }
};

struct Task {
  Task(QString const& text = kGen2)
      : data((trv::dbo::standin::setModel(kHandle, {true, true, true, true, true}),
              trv::control_param::Data(trv::control_param::ProgrammTypes::NEVO_A, kHandle))) {
    data.insertXMLData(text);
  }
  trv::control_param::Data data;
};

void type(Window& window, char const* text) {
  auto* field = qobject_cast<QLineEdit*>(window.inspector()->editor("gen"));
  ASSERT_NE(field, nullptr);
  field->clear();
  QTest::keyClicks(field, text);
  QTest::keyClick(field, Qt::Key_Return);
}

QAction* menuAction(Window& window, QString const& text) {
  for (QAction* menu : window.menuBar()->actions())
    for (QAction* action : menu->menu()->actions())
      if (action->text().startsWith(text)) return action;
  return nullptr;
}

QByteArray contents(QString const& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

TEST(EditWindow, TypedEditsShowInTheKelmarPaneAndTheHistory) {
  Task task;
  std::ostringstream out;
  Window window(task.data, 0, SaveTarget{{}, 0, 0, {}, &out}, "text");
  EXPECT_EQ(window.kelmarLines(), QStringList{"STEU OPT GEN  WERT 2"});
  EXPECT_TRUE(window.highlightedLines().isEmpty());
  EXPECT_FALSE(window.isWindowModified());

  type(window, "1.5");
  EXPECT_EQ(window.kelmarLines(), QStringList{"STEU OPT GEN  WERT 1.5"});
  EXPECT_EQ(window.highlightedLines(), QStringList{"STEU OPT GEN  WERT 1.5"});
  EXPECT_TRUE(window.isWindowModified());
  QAction* undo = menuAction(window, "Undo");
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->text(), "Undo Tolerance for forces and displacements [%]");
  EXPECT_EQ(task.data.undoStack()->count(), 1);

  undo->trigger();
  EXPECT_EQ(window.kelmarLines(), QStringList{"STEU OPT GEN  WERT 2"});
  EXPECT_TRUE(window.highlightedLines().isEmpty());
  EXPECT_FALSE(window.isWindowModified());
  menuAction(window, "Redo")->trigger();
  menuAction(window, "Reset all")->trigger();
  EXPECT_EQ(window.kelmarLines(), QStringList{""});
  EXPECT_EQ(task.data.undoStack()->count(), 2);

  // Without a file the text goes to the output, and the window is clean.
  undo->trigger();
  ASSERT_TRUE(window.save());
  EXPECT_EQ(out.str(), std::string(kGen15) + "\n");
  EXPECT_FALSE(window.isWindowModified());
}

// Each file holds the NEVO text (line 2 as the window chose it) between others; only that text changes.
TEST(EditWindow, SaveReplacesOnlyTheChosenTextKeepingLinesAndEndings) {
  struct Case {
    char const* name;
    QByteArray before;
    int first, last;
    QString text;  // as the tool's reading cut it out
    QByteArray after;
  };
  Case const cases[] = {
      {"CR LF, a BOM", "\xEF\xBB\xBFMAIA\r\n  CwgBAAAAAAAAAEAA \r\nMAIA\r\n", 2, 2, kGen2,
       "\xEF\xBB\xBFMAIA\r\nCwgBAAAAAAAA+D8A\r\nMAIA\r\n"},
      {"first line after a BOM, no final line feed",
       "\xEF\xBB\xBF"
       "CwgBAAAAAAAAAEAA",
       1, 1, kGen2,
       "\xEF\xBB\xBF"
       "CwgBAAAAAAAA+D8A"},
      {"JSON over three lines", "MAIA\n{\n \"gen\": [2]\n}\nMAIA\n", 2, 4, "{\"gen\":[2]}",
       "MAIA\nCwgBAAAAAAAA+D8A\nMAIA\n"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    QString const path = dir.filePath("tasks.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.before) == c.before.size());
    file.close();
    Task task;
    Window window(task.data, 0, SaveTarget{path, c.first, c.last, c.text, nullptr}, "tasks.txt");
    type(window, "1.5");
    ASSERT_TRUE(window.save()) << window.errors.join('\n').toStdString();
    EXPECT_EQ(contents(path), c.after);
    EXPECT_FALSE(window.isWindowModified());
    // A second save finds the text where the first one wrote it.
    task.data.undo();
    ASSERT_TRUE(window.save()) << window.errors.join('\n').toStdString();
    EXPECT_EQ(contents(path), QByteArray(c.after).replace(kGen15, kGen2));
  }
}

TEST(EditWindow, AFileChangedMeanwhileIsLeftAsItIs) {
  QTemporaryDir dir;
  QString const path = dir.filePath("tasks.txt");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("MAIA\nCwgBAAAAAAAAAEAA\n") > 0);
  file.close();
  Task task;
  Window window(task.data, 0, SaveTarget{path, 2, 2, kGen2, nullptr}, "tasks.txt");
  type(window, "1.5");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("CwgBAAAAAAAAAEAA\nMAIA\n") > 0);
  file.close();
  EXPECT_FALSE(window.save());
  EXPECT_EQ(window.errors, QStringList{path + " has changed since it was opened; nothing was written."});
  EXPECT_EQ(contents(path), "CwgBAAAAAAAAAEAA\nMAIA\n");
  EXPECT_TRUE(window.isWindowModified());
}

TEST(EditWindow, ClosingWithUnsavedChangesAsksFirst) {
  struct Case {
    QMessageBox::StandardButton answer;
    bool closed;
    std::string written;
  };
  Case const cases[] = {{QMessageBox::Cancel, false, ""},
                        {QMessageBox::Discard, true, ""},
                        {QMessageBox::Save, true, std::string(kGen15) + "\n"}};
  for (Case const& c : cases) {
    Task task;
    std::ostringstream out;
    Window window(task.data, 0, SaveTarget{{}, 0, 0, {}, &out}, "text");
    window.show();
    EXPECT_TRUE(window.close());  // nothing changed: no question
    EXPECT_EQ(window.asked, 0);
    window.show();
    type(window, "1.5");
    window.answer = c.answer;
    EXPECT_EQ(window.close(), c.closed);
    EXPECT_EQ(window.asked, 1);
    EXPECT_EQ(out.str(), c.written);
  }
}

}  // namespace
}  // namespace ctrlparam
