#pragma once
// The window of `ctrlparam edit`: a task's inspector with the task's KELMAR lines live beside it (the lines
// changed since the window opened highlighted, those removed struck through), the task's edit history in an
// Edit menu, and File › Save writing the stored text back where it came from (over a JSON text only when the
// user agrees; a file that refuses the write is offered Save As). Save and closing store the entry being
// typed first. The window is as narrow as the inspector allows: where it is too narrow for both,
// the KELMAR pane folds away (its handle at the edge, or View › KELMAR lines, brings it back); it never opens
// larger than the screen's room for windows.

#include <optional>
#include <ostream>
#include <string>

#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>
#include <boost/signals2/connection.hpp>

#include "tools/ctrlparam/file_write.h"

namespace trv::control_param {
class Data;
}
namespace trv::properties {
class QtInspectorWidget;
}
class QAction;
class QPlainTextEdit;
class QSplitter;
class QUndoStack;

namespace ctrlparam {

// Where Save writes the stored text: into `file` (a name in the system's bytes), whose bytes as the tool read
// them are `content`, in place of the chosen text, which stands on `range` of them from line `line` on;
// or, without a file, to `out` (one line each time). `source` names where the text came from in the title.
struct SaveTarget {
  std::string file;
  std::string content;
  ByteRange range;
  int line = 0;
  bool json = false;  // the chosen text is JSON: Save says first that it writes the stored form
  std::ostream* out = nullptr;
  QString source;
};

class EditWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `program` names the program type in the title; `language` is KELMAR's keyword language.
  EditWindow(trv::control_param::Data& data, int language, SaveTarget target, QString const& program);
  ~EditWindow() override;

  // Stores the entry being typed, then writes the stored text; false (and said in a message box) when either
  // could not be done. A file that refuses the write is offered Save As.
  bool save();
  // Writes what Save would write into the file (the content as read, the chosen text replaced) to another
  // file the user picks; that file is where Save writes from then on.
  bool saveAs();

  trv::properties::QtInspectorWidget* inspector() const { return inspector_; }
  // The lines the KELMAR pane shows, those highlighted as changed since the window opened, and those struck
  // through as removed since.
  QStringList kelmarLines() const;
  QStringList highlightedLines() const;
  QStringList struckLines() const;
  // Whether the KELMAR pane is shown (not folded away).
  bool kelmarShown() const;

  void setVisible(bool visible) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Asked when the window closes with unsaved changes: Save, Discard or Cancel; or with an entry that cannot
  // be stored (`refusal` says why): Discard or Cancel.
  virtual QMessageBox::StandardButton askToSave(QString const& refusal);
  // Says why the text could not be saved.
  virtual void sayError(QString const& message);
  // Asked before a JSON text in a file is replaced by the stored form (Base64): whether to write it.
  virtual bool confirmStoredForm();
  // The file to write to instead (empty: none), asked after `refusal` (empty when the user chose Save As).
  virtual QString chooseOtherFile(QString const& refusal);
  // Whether the existing file `name` may be replaced.
  virtual bool confirmReplace(QString const& name);

 private:
  void buildMenus();
  void showKelmar();
  void showTitle();
  // The stored text to write, once the entry being typed is stored and, for a JSON text in a file, writing
  // the stored form is agreed to.
  std::optional<std::string> textToSave();
  // Writes the file's content with `text` in place of the chosen one into `file`, which Save then writes.
  void writeInto(std::string const& file, std::string const& text, WriteMode mode);
  // Asks for another file until `text` is written into one or the user gives up.
  bool saveElsewhere(QString refusal, std::string const& text);
  // Folds the KELMAR pane away where the inspector would be left less than its least width or the pane's,
  // and brings a pane so folded back once there is room.
  // The least width of the inspector and the KELMAR pane side by side.
  int bothPanesWidth() const;
  void fitPanes();
  void showPane(bool shown);

  trv::control_param::Data& data_;
  int const language_;
  SaveTarget target_;  // its content as read, and after each save as written
  QString const program_;
  QUndoStack* stack_;
  trv::properties::QtInspectorWidget* inspector_;
  QPlainTextEdit* kelmar_;
  QWidget* pane_;  // the KELMAR lines and their heading
  QSplitter* splitter_;
  QAction* paneAction_ = nullptr;  // View › KELMAR lines
  bool folded_ = false;            // the pane was folded away for want of width
  QStringList opened_;             // the KELMAR lines when the window opened
  boost::signals2::scoped_connection modified_;
};

}  // namespace ctrlparam
