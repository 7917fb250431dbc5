// The window of `ctrlparam edit`: typed edits reach the KELMAR pane and the history, Save writes back only
// the chosen text of a file (over a JSON text when agreed to, elsewhere when the file refuses), and closing
// with unsaved changes asks first.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <functional>
#include <sstream>

#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/edit_window.h"
#include "tools/ctrlparam/input_texts.h"

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
  bool storedForm = true;  // the answer whether to write a JSON text's stored form
  int storedFormAsked = 0;
  QStringList others;  // the files chosen for Save As, in turn (then none)
  QStringList offers;  // the refusals Save As was offered after
  bool replace = false;

 protected:
  QMessageBox::StandardButton askToSave(QString const& refusal) override {
    ++asked;
    if (!refusal.isEmpty()) refusals << refusal;
    return answer;
  }
  void sayError(QString const& message) override { errors << message; }
  bool confirmStoredForm() override { return ++storedFormAsked, storedForm; }
  QString chooseOtherFile(QString const& refusal) override {
    offers << refusal;
    return others.isEmpty() ? QString() : others.takeFirst();
  }
  bool confirmReplace(QString const&) override { return replace; }
};

SaveTarget toOutput(std::ostream& out) {
  SaveTarget target;
  target.out = &out;
  target.source = "text";
  return target;
}

// Save writes into the file `path` holding `content` in place of the text on line `line`, as the tool cuts
// it.
SaveTarget intoFile(QString const& path, QByteArray const& content, int line) {
  SaveTarget target;
  target.file = QFile::encodeName(path).toStdString();
  target.content = content.toStdString();
  target.line = line;
  for (InputText const& text : cutInput(target.content))
    if (text.line == line) target.range = text.range, target.json = text.json;
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
  return target;
}

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
  Window window(task.data, 0, toOutput(out), "NEVO_A");
  EXPECT_EQ(window.kelmarLines(), QStringList{"STEU OPT GEN  WERT 2"});
  EXPECT_TRUE(window.highlightedLines().isEmpty());
  EXPECT_FALSE(window.isWindowModified());

  type(window, "1.5");
  EXPECT_EQ(window.kelmarLines(), (QStringList{"STEU OPT GEN  WERT 2", "STEU OPT GEN  WERT 1.5"}));
  EXPECT_EQ(window.highlightedLines(), QStringList{"STEU OPT GEN  WERT 1.5"});
  EXPECT_EQ(window.struckLines(), QStringList{"STEU OPT GEN  WERT 2"});
  EXPECT_TRUE(window.isWindowModified());
  QAction* undo = menuAction(window, "Undo");
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->text(), "Undo Tolerance for forces and displacements [%]");
  EXPECT_EQ(task.data.undoStack()->count(), 1);

  undo->trigger();
  EXPECT_EQ(window.kelmarLines(), QStringList{"STEU OPT GEN  WERT 2"});
  EXPECT_TRUE(window.highlightedLines().isEmpty());
  EXPECT_TRUE(window.struckLines().isEmpty());
  EXPECT_FALSE(window.isWindowModified());
  menuAction(window, "Redo")->trigger();
  menuAction(window, "Reset all")->trigger();
  EXPECT_EQ(window.kelmarLines(), (QStringList{"no lines", "STEU OPT GEN  WERT 2"}));
  EXPECT_EQ(window.struckLines(), QStringList{"STEU OPT GEN  WERT 2"});
  EXPECT_EQ(task.data.undoStack()->count(), 2);

  // Without a file the text goes to the output, and the window is clean.
  undo->trigger();
  ASSERT_TRUE(window.save());
  EXPECT_EQ(out.str(), std::string(kGen15) + "\n");
  EXPECT_FALSE(window.isWindowModified());
}

// Each file holds the NEVO text between others; only that text's bytes change. A JSON text is replaced only
// when the user agrees to its stored form.
TEST(EditWindow, SaveReplacesOnlyTheChosenTextKeepingLinesAndEndings) {
  struct Case {
    char const* name;
    QByteArray before;
    int line;
    QByteArray after;
  };
  Case const cases[] = {
      {"CR LF, a BOM, blanks around the text", "\xEF\xBB\xBFMAIA\r\n  CwgBAAAAAAAAAEAA \r\nMAIA\r\n", 2,
       "\xEF\xBB\xBFMAIA\r\n  CwgBAAAAAAAA+D8A \r\nMAIA\r\n"},
      {"first line after a BOM, no final line feed",
       "\xEF\xBB\xBF"
       "CwgBAAAAAAAAAEAA",
       1,
       "\xEF\xBB\xBF"
       "CwgBAAAAAAAA+D8A"},
      {"a line that is no UTF-8", "M\xE9IA\n\tCwgBAAAAAAAAAEAA\t\n", 2, "M\xE9IA\n\tCwgBAAAAAAAA+D8A\t\n"},
      {"JSON over three lines", "MAIA\n {\n \"gen\": [2]\n} \nMAIA\n", 2, "MAIA\n CwgBAAAAAAAA+D8A \nMAIA\n"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    QString const path = dir.filePath("tasks.txt");
    Task task;
    Window window(task.data, 0, intoFile(path, c.before, c.line), "NEVO_A");
    type(window, "1.5");
    bool const json = c.before.contains('{');
    window.storedForm = false;
    EXPECT_EQ(window.save(), !json);
    EXPECT_EQ(contents(path), json ? c.before : c.after);
    window.storedForm = true;
    ASSERT_TRUE(window.save()) << window.errors.join('\n').toStdString();
    EXPECT_EQ(contents(path), c.after);
    EXPECT_FALSE(window.isWindowModified());
    // A second save finds the text where the first one wrote it, and asks nothing.
    task.data.undo();
    ASSERT_TRUE(window.save()) << window.errors.join('\n').toStdString();
    EXPECT_EQ(contents(path), QByteArray(c.after).replace(kGen15, kGen2));
    EXPECT_EQ(window.storedFormAsked, json ? 2 : 0);
  }
}

// A file that refuses the write offers Save As: the file's content as read with the text replaced, written to
// a file the user picks, one that exists only when the user agrees; the picked file is saved from then on.
TEST(EditWindow, ARefusedSaveOffersSaveAs) {
  QByteArray const before = "MAIA\nCwgBAAAAAAAAAEAA\n", after = "MAIA\nCwgBAAAAAAAA+D8A\n";
  struct Case {
    char const* refusal;  // F: the file
    std::function<void(QString const&)> meanwhile;
    QByteArray other;  // what the other file holds before (empty: no such file), and after
    bool replace;
    QStringList offers;  // F: the refusal
    QByteArray otherAfter;
  };
  Case const cases[] = {
      {"F has changed since it was read",
       [](QString const& p) { QFile(p).resize(3); },
       "",
       false,
       {"F"},
       after},
      {"F no longer exists", [](QString const& p) { QFile::remove(p); }, "", false, {"F"}, after},
      {"F is read-only",
       [](QString const& p) { chmod(QFile::encodeName(p), 0444); },
       "X",
       false,
       {"F", ""},
       "X"},
      {"F is read-only",
       [](QString const& p) { chmod(QFile::encodeName(p), 0444); },
       "X",
       true,
       {"F"},
       after},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(std::string(c.refusal) + (c.replace ? ", replaced" : ""));
    QTemporaryDir dir;
    QString const path = dir.filePath("tasks.txt"), other = dir.filePath("other.txt");
    Task task;
    Window window(task.data, 0, intoFile(path, before, 2), "NEVO_A");
    if (!c.other.isEmpty()) intoFile(other, c.other, 1);
    window.others = QStringList{other};
    window.replace = c.replace;
    type(window, "1.5");
    c.meanwhile(path);
    QByteArray const file = contents(path);
    bool const saved = c.otherAfter == after;
    EXPECT_EQ(window.save(), saved);
    EXPECT_EQ(window.offers.join('|'),
              c.offers.join('|').replace("F", QString(c.refusal).replace("F", path)));
    EXPECT_EQ(contents(path), file);
    EXPECT_EQ(contents(other), c.otherAfter.isEmpty() ? "(unreadable)" : c.otherAfter);
    EXPECT_EQ(window.isWindowModified(), !saved);
    if (saved) {
      EXPECT_EQ(window.windowTitle(), "other.txt:2 (NEVO_A)[*] – ctrlparam edit");
      task.data.undo();
      ASSERT_TRUE(window.save());
      EXPECT_EQ(contents(other), before);
    }
  }
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
    Window window(task.data, 0, toOutput(out), "NEVO_A");
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

// Save and closing store the entry being typed first (Ctrl+S, Ctrl+Q without Return): a readable one is saved
// or asked about; one that cannot be stored stops the save with its reason and stays as typed (also when the
// message takes the focus), and closing asks whether to discard it.
TEST(EditWindow, TheEntryBeingTypedIsStoredBeforeSaveAndClose) {
  struct Case {
    char const* text;
    Qt::Key key;
    QMessageBox::StandardButton answer;
    bool closed;
    std::string written;
    QStringList said;  // errors and questions about the entry
  };
  QString const why =
      "“Tolerance for forces and displacements [%]”: Not a number – use the decimal point: 1.5";
  std::string const saved = std::string(kGen15) + "\n";
  Case const cases[] = {{"1.5", Qt::Key_S, QMessageBox::Cancel, false, saved, {}},
                        {"1,5", Qt::Key_S, QMessageBox::Cancel, false, "", {why}},
                        {"1.5", Qt::Key_Q, QMessageBox::Save, true, saved, {}},
                        {"1,5", Qt::Key_Q, QMessageBox::Cancel, false, "", {why}},
                        {"1,5", Qt::Key_Q, QMessageBox::Discard, true, "", {why}}};
  for (Case const& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.key == Qt::Key_S ? " Ctrl+S" : " Ctrl+Q"));
    Task task;
    std::ostringstream out;
    Window window(task.data, 0, toOutput(out), "NEVO_A");
    window.answer = c.answer;
    window.show();
    QApplication::setActiveWindow(&window);
    auto* field = qobject_cast<QLineEdit*>(window.inspector()->editor("gen"));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, c.text);
    QTest::keyClick(field, c.key, Qt::ControlModifier);
    EXPECT_EQ(window.isVisible(), !c.closed);
    EXPECT_EQ(window.asked, c.key == Qt::Key_Q ? 1 : 0);
    EXPECT_EQ(out.str(), c.written);
    EXPECT_EQ(window.errors + window.refusals, c.said);
    if (!c.closed) {  // the entry stays as typed, also while a message has the focus
      QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
      QApplication::sendEvent(field, &away);
      EXPECT_EQ(field->text(), c.text);
    }
  }
}

// The window takes the width it is given, down to what the inspector needs: where the panes do not both fit,
// the KELMAR pane folds away and comes back with the width, or by View › KELMAR lines. Shown, the window is
// never larger than the screen's room.
TEST(EditWindow, TheWindowFitsItsWidthAndTheScreen) {
  Task task;
  std::ostringstream out;
  Window window(task.data, 0, toOutput(out), "NEVO_A");
  window.resize(5000, 5000);
  window.show();
  QSize const room = window.screen()->availableGeometry().size();
  EXPECT_LE(window.width(), room.width());
  EXPECT_LE(window.height(), room.height());
  struct Step {
    int width;
    bool viewEntry;  // View › KELMAR lines is chosen
    bool shown;
  };
  Step const steps[] = {{360, false, false}, {700, false, true},  {700, true, false},
                        {360, false, false}, {700, false, false}, {700, true, true}};
  for (Step const& step : steps) {
    window.resize(step.width, 400);
    QApplication::processEvents();
    if (step.viewEntry) menuAction(window, "&KELMAR lines")->trigger();
    EXPECT_EQ(window.width(), step.width);
    EXPECT_EQ(window.kelmarShown(), step.shown) << step.width;
    if (!step.shown) {
      EXPECT_GE(window.inspector()->width(), step.width - 10);
    }
  }
}

}  // namespace
}  // namespace ctrlparam
