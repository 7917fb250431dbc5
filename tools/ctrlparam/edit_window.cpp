#include "tools/ctrlparam/edit_window.h"

#include <stdexcept>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTextBlock>
#include <QUndoStack>
#include <QVBoxLayout>

#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/input_texts.h"

namespace ctrlparam {
namespace {

QColor const kChangedLine(255, 236, 160);

struct SaveError : std::runtime_error {
  explicit SaveError(QString const& message) : std::runtime_error(message.toStdString()) {}
  QString text() const { return QString::fromStdString(what()); }
};

// The message in the window's language; the name and the system's reason as they are.
QString translated(WriteError const& error) {
  QString const message = QCoreApplication::translate("ctrlparam", error.form);
  QString const name = QString::fromStdString(error.name);
  return error.reason.empty() ? message.arg(name) : message.arg(name, QString::fromStdString(error.reason));
}

}  // namespace

EditWindow::EditWindow(trv::control_param::Data& data, int language, SaveTarget target, QString const& source)
    : data_(data),
      language_(language),
      target_(std::move(target)),
      stack_(data.undoStack()),
      inspector_(data.createPropertyInspector(nullptr)),
      kelmar_(new QPlainTextEdit) {
  if (!target_.file.empty()) readTarget();
  setWindowTitle(QStringLiteral("%1[*] – ctrlparam edit").arg(source));
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
  auto* pane = new QWidget;
  auto* paneLayout = new QVBoxLayout(pane);
  paneLayout->setContentsMargins(0, 0, 0, 0);
  auto* heading = new QLabel(
      QCoreApplication::translate("ctrlparam", "KELMAR lines (changed since opening: highlighted)"));
  heading->setWordWrap(true);
  paneLayout->addWidget(heading);
  paneLayout->addWidget(kelmar_, 1);
  auto* splitter = new QSplitter;
  splitter->addWidget(inspector_);
  splitter->addWidget(pane);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 0);
  setCentralWidget(splitter);

  QMenu* file = menuBar()->addMenu(QCoreApplication::translate("ctrlparam", "&File"));
  QAction* saveAction =
      file->addAction(QCoreApplication::translate("ctrlparam", "&Save"), this, [this] { save(); });
  saveAction->setShortcut(QKeySequence::Save);
  file->addSeparator();
  QAction* quit = file->addAction(QCoreApplication::translate("ctrlparam", "&Quit"), this, &QWidget::close);
  quit->setShortcut(QKeySequence::Quit);
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

void EditWindow::showKelmar() {
  QStringList lines;
  for (QString const& line : data_.getKELMAR(language_)) lines << line;
  kelmar_->setPlainText(lines.join(QLatin1Char('\n')));
  QList<QTextEdit::ExtraSelection> changed;
  for (QTextBlock block = kelmar_->document()->begin(); block.isValid(); block = block.next()) {
    if (opened_.contains(block.text())) continue;
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(block);
    selection.format.setBackground(kChangedLine);
    selection.format.setProperty(QTextFormat::FullWidthSelection, true);
    changed << selection;
  }
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

void EditWindow::readTarget() {
  try {
    std::string bytes = readBytes(target_.file);
    for (InputText const& text : cutInput(bytes))
      if (text.line == target_.first && text.lastLine == target_.last && text.text == target_.text) {
        range_ = text.range;
        content_ = std::move(bytes);
      }
  } catch (std::exception const&) {
    // Unreadable, or no longer cut into texts as before: changed since the tool read it.
  }
}

bool EditWindow::save() {
  QByteArray stored = data_.getXMLData().toUtf8();
  try {
    if (target_.file.empty()) {
      *target_.out << stored.toStdString() << std::flush;
      if (!*target_.out)
        throw SaveError(
            QCoreApplication::translate("ctrlparam", "Cannot write the text to standard output."));
    } else {
      if (!content_) throw WriteError(kChangedSinceRead, target_.file);
      while (stored.endsWith('\n')) stored.chop(1);
      std::string_view const text(stored.constData(), std::size_t(stored.size()));
      content_ = writeReplaced(target_.file, *content_, range_, text);
      range_.end = range_.begin + text.size();
    }
  } catch (SaveError const& error) {
    sayError(error.text());
    return false;
  } catch (WriteError const& error) {
    sayError(translated(error));
    return false;
  }
  stack_->setClean();
  return true;
}

void EditWindow::closeEvent(QCloseEvent* event) {
  if (stack_->isClean()) return event->accept();
  switch (askToSave()) {
    case QMessageBox::Save:
      return save() ? event->accept() : event->ignore();
    case QMessageBox::Discard:
      return event->accept();
    default:
      return event->ignore();
  }
}

QMessageBox::StandardButton EditWindow::askToSave() {
  return QMessageBox::question(
      this, QCoreApplication::translate("ctrlparam", "Unsaved changes"),
      QCoreApplication::translate("ctrlparam",
                                  "The options have changed since they were last saved. Save them?"),
      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

void EditWindow::sayError(QString const& message) {
  QMessageBox::critical(this, QCoreApplication::translate("ctrlparam", "Not saved"), message);
}

}  // namespace ctrlparam
