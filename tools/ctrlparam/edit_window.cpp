#include "tools/ctrlparam/edit_window.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTextBlock>
#include <QTextCursor>
#include <QUndoStack>
#include <QVBoxLayout>

#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"

namespace ctrlparam {
namespace {

QColor const kChangedLine(255, 236, 160);

// The message in the window's language; the name and the system's reason as they are.
QString translated(WriteError const& error) {
  QString const message = QCoreApplication::translate("ctrlparam", error.form);
  QString const name = QString::fromStdString(error.name);
  return error.reason.empty() ? message.arg(name) : message.arg(name, QString::fromStdString(error.reason));
}

// The inspector and the KELMAR pane; the window may be as narrow as the inspector allows.
class PaneSplitter : public QSplitter {
 public:
  explicit PaneSplitter(std::function<void()> resized) : resized_(std::move(resized)) {}

  QSize minimumSizeHint() const override {
    return {widget(0)->minimumSizeHint().width() + handleWidth(), QSplitter::minimumSizeHint().height()};
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QSplitter::resizeEvent(event);
    resized_();
  }

 private:
  std::function<void()> resized_;
};

}  // namespace

EditWindow::EditWindow(trv::control_param::Data& data, int language, SaveTarget target,
                       QString const& program)
    : data_(data),
      language_(language),
      target_(std::move(target)),
      program_(program),
      stack_(data.undoStack()),
      inspector_(data.createPropertyInspector(nullptr)),
      kelmar_(new QPlainTextEdit),
      pane_(new QWidget),
      splitter_(new PaneSplitter([this] { fitPanes(); })) {
  showTitle();
  // The Edit menu carries the undo keys for the whole window.
  inspector_->setProperty("trv_undoShortcuts", false);

  kelmar_->setReadOnly(true);
  kelmar_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed(QStringLiteral("monospace"));
  fixed.setStyleHint(QFont::TypeWriter);
  kelmar_->setFont(fixed);
  // Wide enough for a whole line with a long number.
  kelmar_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(32, QLatin1Char('M'))) +
                           2 * kelmar_->frameWidth() + 2 * int(kelmar_->document()->documentMargin()));
  kelmar_->setObjectName(QStringLiteral("kelmar"));
  auto* paneLayout = new QVBoxLayout(pane_);
  paneLayout->setContentsMargins(0, 0, 0, 0);
  auto* heading = new QLabel(
      QCoreApplication::translate("ctrlparam", "KELMAR lines (changed since opening: highlighted)"));
  heading->setWordWrap(true);
  paneLayout->addWidget(heading);
  paneLayout->addWidget(kelmar_, 1);
  splitter_->addWidget(inspector_);
  splitter_->addWidget(pane_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setStretchFactor(1, 0);
  splitter_->setCollapsible(0, false);
  setCentralWidget(splitter_);
  buildMenus();
  connect(splitter_, &QSplitter::splitterMoved, this, [this] {
    folded_ = false;
    paneAction_->setChecked(kelmarShown());
  });

  connect(stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
  setWindowModified(!stack_->isClean());
  modified_ = inspector_->modelSignals()->modifiedDone.connect([this](auto const&) { showKelmar(); });
  for (QString const& line : data_.getKELMAR(language_)) opened_ << line;
  showKelmar();

  // Typing can start at once, in the first option.
  auto const& shown = inspector_->properties()->list();
  if (!shown.empty())
    if (QWidget* first = inspector_->editor(shown.front()->id)) first->setFocus();
}

EditWindow::~EditWindow() = default;

void EditWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu(QCoreApplication::translate("ctrlparam", "&File"));
  QAction* saveAction =
      file->addAction(QCoreApplication::translate("ctrlparam", "&Save"), this, [this] { save(); });
  saveAction->setShortcut(QKeySequence::Save);
  QAction* saveAsAction =
      file->addAction(QCoreApplication::translate("ctrlparam", "Save &As…"), this, [this] { saveAs(); });
  saveAsAction->setShortcut(QKeySequence::SaveAs);
  saveAsAction->setEnabled(!target_.file.empty());
  file->addSeparator();
  QAction* quit = file->addAction(QCoreApplication::translate("ctrlparam", "&Quit"), this, &QWidget::close);
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));  // also where the platform binds no key to quitting
  QMenu* edit = menuBar()->addMenu(QCoreApplication::translate("ctrlparam", "&Edit"));
  QAction* undo = stack_->createUndoAction(this);
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = stack_->createRedoAction(this);
  redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();
  edit->addAction(QCoreApplication::translate("ctrlparam", "Reset all"), this,
                  [this] { data_.resetToDefaults(); });
  QMenu* view = menuBar()->addMenu(QCoreApplication::translate("ctrlparam", "&View"));
  paneAction_ = view->addAction(QCoreApplication::translate("ctrlparam", "&KELMAR lines"));
  paneAction_->setCheckable(true);
  paneAction_->setChecked(true);
  connect(paneAction_, &QAction::triggered, this, [this](bool shown) {
    folded_ = false;
    showPane(shown);
  });
}

bool EditWindow::kelmarShown() const {
  return splitter_->sizes().value(1) > 0;
}

void EditWindow::showPane(bool shown) {
  int const room = splitter_->width() - splitter_->handleWidth();
  int const pane = shown ? std::max(pane_->minimumSizeHint().width(), pane_->sizeHint().width()) : 0;
  splitter_->setSizes({std::max(room - pane, 0), pane});
  paneAction_->setChecked(shown);
}

int EditWindow::bothPanesWidth() const {
  // The inspector keeps its least width, and no less than the pane's.
  int const pane = pane_->minimumSizeHint().width();
  return std::max(inspector_->minimumSizeHint().width(), pane) + splitter_->handleWidth() + pane;
}

void EditWindow::fitPanes() {
  bool const narrow = splitter_->width() < bothPanesWidth();
  if (narrow && kelmarShown()) {
    folded_ = true;
    showPane(false);
  } else if (!narrow && folded_) {
    folded_ = false;
    showPane(true);
  }
}

void EditWindow::setVisible(bool visible) {
  if (visible && !isVisible()) {
    // Tall enough for every option at the inspector's width, the KELMAR pane folded or beside it.
    int const pane = pane_->minimumSizeHint().width();
    int const inspectorWidth = width() - splitter_->handleWidth() - (width() < bothPanesWidth() ? 0 : pane);
    resize(width(),
           std::max(height(), menuBar()->sizeHint().height() + inspector_->heightForWidth(inspectorWidth)));
    // Never larger than the screen's room for windows (a window drawn off the screen has no screen).
    QScreen const* shownOn = testAttribute(Qt::WA_DontShowOnScreen) ? nullptr : screen();
    if (shownOn) resize(size().boundedTo(shownOn->availableGeometry().size()));
  }
  QMainWindow::setVisible(visible);
}

// The lines as they are, in the order of the lines when the window opened: a line not there then is
// highlighted, one gone since is shown struck through where it stood.
void EditWindow::showKelmar() {
  QStringList lines;
  for (QString const& line : data_.getKELMAR(language_)) lines << line;
  kelmar_->clear();
  QTextCursor cursor(kelmar_->document());
  QTextCharFormat const plain;
  QTextCharFormat note;
  note.setForeground(palette().color(QPalette::Disabled, QPalette::Text));
  QTextCharFormat removed = note;
  removed.setFontStrikeOut(true);
  note.setFontItalic(true);
  QList<QTextEdit::ExtraSelection> changed;
  auto add = [&](QString const& text, QTextCharFormat const& format) {
    if (!kelmar_->document()->isEmpty()) cursor.insertBlock();
    cursor.insertText(text, format);
  };
  auto addLine = [&](QString const& line) {
    add(line, plain);
    if (opened_.contains(line)) return;
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(cursor.block());
    selection.format.setBackground(kChangedLine);
    selection.format.setProperty(QTextFormat::FullWidthSelection, true);
    changed << selection;
  };
  if (lines.isEmpty()) add(QCoreApplication::translate("ctrlparam", "no lines"), note);
  int next = 0;  // the first line not yet shown
  for (QString const& old : opened_) {
    int const at = lines.indexOf(old, next);
    if (at >= 0)
      while (next <= at) addLine(lines[next++]);
    else if (!lines.contains(old))
      add(old, removed);
  }
  while (next < lines.size()) addLine(lines[next++]);
  kelmar_->setExtraSelections(changed);
}

QStringList EditWindow::kelmarLines() const {
  return kelmar_->toPlainText().split(QLatin1Char('\n'));
}

QStringList EditWindow::highlightedLines() const {
  QStringList lines;
  for (auto const& selection : kelmar_->extraSelections()) lines << selection.cursor.block().text();
  return lines;
}

QStringList EditWindow::struckLines() const {
  QStringList lines;
  for (QTextBlock block = kelmar_->document()->begin(); block.isValid(); block = block.next())
    if (block.begin() != block.end() && block.begin().fragment().charFormat().fontStrikeOut())
      lines << block.text();
  return lines;
}

void EditWindow::showTitle() {
  QString const source =
      target_.file.empty()
          ? target_.source
          : QStringLiteral("%1:%2")
                .arg(QString::fromStdString(readableName(target_.file.substr(target_.file.rfind('/') + 1))))
                .arg(target_.line);
  setWindowTitle(QStringLiteral("%1 (%2)[*] – ctrlparam edit").arg(source, program_));
}

std::optional<std::string> EditWindow::textToSave() {
  QString refusal;
  if (!inspector_->storePendingEntry(&refusal)) {
    sayError(refusal);
    return std::nullopt;
  }
  if (!target_.file.empty() && target_.json && !confirmStoredForm()) return std::nullopt;
  QByteArray stored = data_.getXMLData().toUtf8();
  while (stored.endsWith('\n')) stored.chop(1);
  return stored.toStdString();
}

void EditWindow::writeInto(std::string const& file, std::string const& text, WriteMode mode) {
  target_.content = writeReplaced(file, target_.content, target_.range, text, mode);
  target_.range.end = target_.range.begin + text.size();
  target_.json = false;
  if (file != target_.file) {
    target_.file = file;
    showTitle();
  }
  stack_->setClean();
}

bool EditWindow::save() {
  std::optional<std::string> const text = textToSave();
  if (!text) return false;
  if (target_.file.empty()) {
    *target_.out << *text << std::endl;
    if (!*target_.out) {
      sayError(QCoreApplication::translate("ctrlparam", "Cannot write the text to standard output."));
      return false;
    }
    stack_->setClean();
    return true;
  }
  try {
    writeInto(target_.file, *text, WriteMode::InPlace);
    return true;
  } catch (WriteError const& error) {
    return saveElsewhere(translated(error), *text);
  }
}

bool EditWindow::saveAs() {
  std::optional<std::string> const text = textToSave();
  return text && saveElsewhere(QString(), *text);
}

bool EditWindow::saveElsewhere(QString refusal, std::string const& text) {
  for (QString name; !(name = chooseOtherFile(refusal)).isEmpty();) {
    std::string const file = QFile::encodeName(name).toStdString();
    try {
      try {
        writeInto(file, text, WriteMode::NewFile);
      } catch (WriteError const& error) {
        if (error.form != kAlreadyExists) throw;
        refusal.clear();
        if (!confirmReplace(name)) continue;
        writeInto(file, text, WriteMode::ReplaceExisting);
      }
      return true;
    } catch (WriteError const& error) {
      refusal = translated(error);
    }
  }
  return false;
}

void EditWindow::closeEvent(QCloseEvent* event) {
  QString refusal;
  bool const stored = inspector_->storePendingEntry(&refusal);
  if (stored && stack_->isClean()) return event->accept();
  switch (askToSave(stored ? QString() : refusal)) {
    case QMessageBox::Save:
      return save() ? event->accept() : event->ignore();
    case QMessageBox::Discard:
      return event->accept();
    default:
      return event->ignore();
  }
}

QMessageBox::StandardButton EditWindow::askToSave(QString const& refusal) {
  if (!refusal.isEmpty())
    return QMessageBox::question(
        this, QCoreApplication::translate("ctrlparam", "Entry not stored"),
        QCoreApplication::translate("ctrlparam", "%1\n\nClose without saving?").arg(refusal),
        QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
  return QMessageBox::question(
      this, QCoreApplication::translate("ctrlparam", "Unsaved changes"),
      QCoreApplication::translate("ctrlparam",
                                  "The options have changed since they were last saved. Save them?"),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

void EditWindow::sayError(QString const& message) {
  QMessageBox::critical(this, QCoreApplication::translate("ctrlparam", "Not saved"), message);
}

bool EditWindow::confirmStoredForm() {
  return QMessageBox::question(
             this, QCoreApplication::translate("ctrlparam", "Save as stored form"),
             QCoreApplication::translate("ctrlparam",
                                         "The options were read from a JSON text. Save writes them in its "
                                         "place as the stored form, one Base64 line, which is not readable "
                                         "as text. Save?"),
             QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Save) == QMessageBox::Save;
}

QString EditWindow::chooseOtherFile(QString const& refusal) {
  if (!refusal.isEmpty()) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("ctrlparam", "Not saved"), refusal,
                    QMessageBox::Cancel, this);
    QPushButton* elsewhere =
        box.addButton(QCoreApplication::translate("ctrlparam", "Save &As…"), QMessageBox::AcceptRole);
    box.setDefaultButton(elsewhere);
    box.exec();
    if (box.clickedButton() != elsewhere) return QString();
  }
  // The question whether to replace an existing file is the window's own, asked once the write needs it.
  return QFileDialog::getSaveFileName(this, QCoreApplication::translate("ctrlparam", "Save As"), QString(),
                                      QString(), nullptr, QFileDialog::DontConfirmOverwrite);
}

bool EditWindow::confirmReplace(QString const& name) {
  return QMessageBox::question(
             this, QCoreApplication::translate("ctrlparam", "Replace file"),
             QCoreApplication::translate("ctrlparam", "%1 already exists. Replace it?").arg(name),
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace ctrlparam
