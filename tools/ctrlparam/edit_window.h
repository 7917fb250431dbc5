#pragma once
// The window of `ctrlparam edit`: a task's inspector with the task's KELMAR lines live beside it (the lines
// changed since the window opened highlighted, those removed struck through), the task's edit history in an
// Edit menu, and File › Save writing the stored text back where it came from. Save and closing store the
// entry being typed first. The window is as narrow as the inspector allows: where it is too narrow for both,
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

// Where Save writes the stored text: into `file` (a name in the system's bytes) in place of the text that
// stood on its lines `first` to `last` (1-based) as `text` when the tool read it; or, without a file, to
// `out` (one line each time).
struct SaveTarget {
  std::string file;
  int first = 0;
  int last = 0;
  QString text;
  std::ostream* out = nullptr;
};

class EditWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `source` names where the text came from in the title; `language` is KELMAR's keyword language.
  EditWindow(trv::control_param::Data& data, int language, SaveTarget target, QString const& source);
  ~EditWindow() override;

  // Stores the entry being typed, then writes the stored text; false (and said in a message box) when either
  // could not be done.
  bool save();

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

 private:
  void buildMenus();
  void showKelmar();
  // The target file's bytes and where the chosen text stands in them, read when the window opens; none when
  // the file no longer holds the text where the tool read it.
  void readTarget();
  // Folds the KELMAR pane away where the inspector would be left less than its least width or the pane's,
  // and brings a pane so folded back once there is room.
  // The least width of the inspector and the KELMAR pane side by side.
  int bothPanesWidth() const;
  void fitPanes();
  void showPane(bool shown);

  trv::control_param::Data& data_;
  int const language_;
  SaveTarget target_;
  std::optional<std::string> content_;  // the file as read, and after each save as written
  ByteRange range_;                     // the text in `content_`
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
