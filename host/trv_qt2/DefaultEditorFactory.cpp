#include "host/trv_qt2/DefaultEditorFactory.h"

#include <string>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "host/trv_properties_qt/PropertyMeta.h"
#include "host/trv_properties_qt/label_language.h"
#include "host/trv_qt2/ValueText.h"

namespace trv::qt {
namespace {

// What an empty field shows: an unset optional value, or no value at all.
QString const kNoValue = QStringLiteral("–");

bool isSet(properties::Meta const& meta, char const* key) {
  auto const child = meta.get_child_optional(key);
  auto const* flag = child ? boost::any_cast<bool>(&child->data()) : nullptr;
  return flag && *flag;
}

std::string editorKind(properties::Meta const& meta) {
  auto const child = meta.get_child_optional("editor.kind");
  auto const* kind = child ? boost::any_cast<std::string>(&child->data()) : nullptr;
  return kind ? *kind : std::string();
}

Editor checkBox(QWidget* parent, DefaultEditorFactory::Commit commit) {
  auto* box = new QCheckBox(parent);
  QObject::connect(box, &QCheckBox::clicked, box, [commit](bool checked) { commit(boost::any(checked)); });
  return {box,
          [box](boost::any const& value) {
            QSignalBlocker const blocker(box);
            auto const* checked = boost::any_cast<bool>(&value);
            box->setTristate(false);
            box->setChecked(checked && *checked);
          },
          [box] {
            QSignalBlocker const blocker(box);
            box->setCheckState(Qt::PartiallyChecked);
          },
          [box](QString const& tip) { box->setToolTip(tip); },
          {}};
}

// A choice list whose value ends in "…" where the box is too narrow for it. Its tooltip is the whole value,
// or without a value the option's tooltip.
class ChoiceBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  void setTip(QString const& tip) {
    tip_ = tip;
    updateTip();
  }
  void updateTip() { setToolTip(currentIndex() < 0 ? tip_ : currentText()); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    // The styles draw the value into the edit field less a pixel or two at each side.
    int const room =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this).width() - 4;
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, room);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  }

 private:
  QString tip_;
};

Editor comboBox(properties::Meta const& meta, QWidget* parent, DefaultEditorFactory::Commit commit) {
  auto* combo = new ChoiceBox(parent);
  auto const entries = boost::any_cast<properties::EnumEntries>(meta.get_child("editor.entries").data());
  for (auto const& entry : entries) combo->addItem(entry.first);
  QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), combo, [entries, commit](int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < entries.size()) commit(entries[index].second);
  });
  auto show = [combo, meta](boost::any const& value) {
    QSignalBlocker const blocker(combo);
    combo->setCurrentIndex(entryIndex(meta, value));
    combo->updateTip();
  };
  return {
      combo, show, [show] { show(boost::any()); }, [combo](QString const& tip) { combo->setTip(tip); }, {}};
}

// A line edit's entry is never silently kept: Return stores a readable entry and marks an unreadable or
// out-of-bounds one (a red frame, the reason as tooltip) without storing it; Escape, and leaving the field
// for another with an entry that cannot be stored, bring back the stored value. When the window loses the
// focus (another window, a menu, a message) the entry stays as typed.
class EntryGuard : public QObject {
 public:
  EntryGuard(QLineEdit* edit, properties::Meta meta, DefaultEditorFactory::Commit commit)
      : QObject(edit),
        edit_(edit),
        meta_(std::move(meta)),
        locale_(numberLocale(properties::labelLanguage())),
        commit_(std::move(commit)) {
    // The red frame does not change the field's height, so the rows below do not move.
    edit->setFixedHeight(edit->sizeHint().height());
    edit->installEventFilter(this);
    QObject::connect(edit, &QLineEdit::textEdited, this, [this](QString const& text) {
      QString reason;
      mark(parseText(meta_, text, locale_, &reason) ? QString() : reason);
    });
  }

  void show(boost::any const& value) {
    stored_ = value;
    QSignalBlocker const blocker(edit_);
    edit_->setText(valueText(meta_, value, locale_));
    edit_->setModified(false);
    mark({});
  }

  void setTip(QString const& tip) {
    tip_ = tip;
    if (!edit_->property("invalid").toBool()) edit_->setToolTip(tip);
  }

  // Stores a changed entry that reads as a value; false when it does not (it is marked then), and why.
  bool store(QString* why = nullptr) {
    if (!edit_->isModified()) return true;
    QString reason;
    auto const value = parseText(meta_, edit_->text(), locale_, &reason);
    mark(value ? QString() : reason);
    if (!value) {
      if (why) *why = reason;
      return false;
    }
    edit_->setModified(false);
    commit_(*value);
    return true;
  }

  // No value at all: an empty field with a dash.
  void showNone() {
    show(boost::any());
    edit_->setPlaceholderText(kNoValue);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride && !edit_->isModified() && isUndoKey(event)) {
      // Without an entry of its own to undo, the field leaves the undo and redo keys to the task's history.
      event->ignore();
      return true;
    }
    if (event->type() == QEvent::KeyPress) {
      int const key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        store();
        return true;
      }
      if (key == Qt::Key_Escape) {
        show(stored_);
        return true;
      }
    } else if (event->type() == QEvent::FocusOut && !store() && !windowLeft(event)) {
      show(stored_);
    }
    return false;
  }

 private:
  static bool isUndoKey(QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Y);
  }

  // The focus went to another window, a menu or a message, and comes back to the field.
  static bool windowLeft(QEvent* event) {
    Qt::FocusReason const reason = static_cast<QFocusEvent*>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
  }

  void mark(QString const& reason) {
    edit_->setProperty("invalid", !reason.isEmpty());
    edit_->setStyleSheet(reason.isEmpty() ? QString()
                                          : QStringLiteral("QLineEdit { border: 1px solid red; }"));
    edit_->setToolTip(reason.isEmpty() ? tip_ : reason);
  }

  QLineEdit* edit_;
  properties::Meta meta_;
  QLocale locale_;
  DefaultEditorFactory::Commit commit_;
  boost::any stored_;
  QString tip_;
};

Editor lineEdit(properties::Meta const& meta, QWidget* parent, DefaultValidatorFactory const* validators,
                DefaultEditorFactory::Commit commit) {
  auto* edit = new QLineEdit(parent);
  // The validator reads the editor's own settings ("editor.validator.*").
  if (validators) {
    auto const editorSettings = meta.get_child_optional("editor");
    edit->setValidator(validators->create(editorSettings ? *editorSettings : properties::Meta(), edit));
  }
  QString const placeholder = isSet(meta, "validator.optional") ? kNoValue : QString();
  auto* guard = new EntryGuard(edit, meta, std::move(commit));
  return {edit,
          [guard, edit, placeholder](boost::any const& value) {
            edit->setPlaceholderText(placeholder);
            guard->show(value);
          },
          [guard] { guard->showNone(); }, [guard](QString const& tip) { guard->setTip(tip); },
          [guard](QString* reason) { return guard->store(reason); }};
}

}  // namespace

DefaultEditorFactory::DefaultEditorFactory(std::shared_ptr<DefaultValidatorFactory> validatorFactory)
    : validatorFactory_(std::move(validatorFactory)) {}
DefaultEditorFactory::~DefaultEditorFactory() = default;

Editor DefaultEditorFactory::create(properties::Meta const& meta, QWidget* parent, Commit commit) const {
  if (isSet(meta, "is_bool")) return checkBox(parent, std::move(commit));
  if (editorKind(meta) == "named_value_list" && meta.get_child_optional("editor.entries"))
    return comboBox(meta, parent, std::move(commit));
  return lineEdit(meta, parent, validatorFactory_.get(), std::move(commit));
}

}  // namespace trv::qt
