#include "host/trv_properties_qt/QtInspectorWidget.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "host/trv_properties_qt/inspector_parts.h"
#include "host/trv_qt2/ValueText.h"

namespace trv::properties {
namespace {

using detail::OptionLabel;
using detail::SectionHeader;

// The property of `properties` with the id `id`, or null.
Property const* findProperty(Properties const& properties, std::string const& id) {
  for (auto const& property : properties.list())
    if (property->id == id) return property.get();
  return nullptr;
}

}  // namespace

QtInspectorWidget::QtInspectorWidget(QWidget* parent, std::shared_ptr<Properties> properties,
                                     std::shared_ptr<SelectionManager<ObjectKey>> selectionManager,
                                     std::shared_ptr<qt::DefaultEditorFactory> editorFactory,
                                     std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory,
                                     std::shared_ptr<DataModelSignals> modelSignals)
    : QWidget(parent),
      properties_(std::move(properties)),
      selectionManager_(std::move(selectionManager)),
      editorFactory_(std::move(editorFactory)),
      validatorFactory_(std::move(validatorFactory)),
      signals_(std::move(modelSignals)) {
  build();
  auto const follow = [this](auto const&...) { refresh(); };
  if (signals_) {
    connections_.emplace_back(signals_->insertedDone.connect(follow));
    connections_.emplace_back(signals_->modifiedDone.connect(follow));
    connections_.emplace_back(signals_->erasedAll.connect(follow));
  }
  if (selectionManager_) connections_.emplace_back(selectionManager_->changed.connect(follow));
  refresh();
}

QtInspectorWidget::~QtInspectorWidget() = default;

// A scrolling grid; columns: label, editor, check box, reset button (an editor spans the check box's column,
// a check box's label the editor's). Sections in the order in which their categories first appear, rows in
// property order within them.
void QtInspectorWidget::build() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  outer->addWidget(scroll_);
  auto* content = new QWidget(scroll_);
  content->setObjectName(QStringLiteral("grid"));
  scroll_->installEventFilter(this);
  grid_ = new QGridLayout(content);
  grid_->setColumnStretch(1, 1);
  scroll_->setWidget(content);
  if (!properties_ || properties_->list().empty()) {
    // An empty grid would look like a fault: say why there is nothing to set.
    auto* none = new QLabel(QCoreApplication::translate(
                                "QtInspectorWidget", "No option applies to the analysis model of this task."),
                            content);
    none->setObjectName(QStringLiteral("no-options"));
    none->setWordWrap(true);
    grid_->addWidget(none, 0, 0, 1, 4);
    grid_->setRowStretch(1, 1);
    return;
  }
  std::vector<std::string> categories;
  for (auto const& property : properties_->list())
    if (std::find(categories.begin(), categories.end(), property->category) == categories.end())
      categories.push_back(property->category);
  int gridRow = 0;
  for (auto const& category : categories) addSection(category, gridRow);
  grid_->setRowStretch(gridRow, 1);
  split_ = new detail::SplitHandle(content, [this](int x) {
    userLabelWidth_ = x - grid_->contentsMargins().left() - grid_->horizontalSpacing() / 2;
    shareWidth();
  });
}

void QtInspectorWidget::addSection(std::string const& category, int& gridRow) {
  Section section{nullptr, {}};
  if (!category.empty()) {
    section.header = new SectionHeader(QString::fromStdString(category), grid_->parentWidget());
    section.header->setObjectName(QString::fromStdString("section:" + category));
    section.header->setCheckable(true);
    section.header->setChecked(true);
    section.header->setArrowType(Qt::DownArrow);
    section.header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    section.header->setAutoRaise(true);
    grid_->addWidget(section.header, gridRow++, 0, 1, 4, Qt::AlignLeft);
  }
  for (auto const& property : properties_->list())
    if (property->category == category) addRow(property, gridRow, section);
  sections_.push_back(section);
  if (section.header) {
    std::size_t const index = sections_.size() - 1;
    connect(section.header, &QToolButton::toggled, this,
            [this, index](bool expanded) { setSectionExpanded(sections_[index], expanded); });
  }
}

void QtInspectorWidget::addRow(std::shared_ptr<Property> const& property, int& gridRow, Section& section) {
  QWidget* parent = grid_->parentWidget();
  QString const tooltip = QString::fromStdString(property->tooltip);
  auto* label = new OptionLabel(QString::fromStdString(property->displayName), parent);
  std::weak_ptr<Property> const weak = property;
  qt::Editor editor;
  if (editorFactory_) {
    editor = editorFactory_->create(*property->meta, parent, [this, weak](boost::any const& value) {
      if (auto p = weak.lock()) commit(*p, value);
    });
  } else {
    auto* none = new QLabel(parent);
    editor = {
        none, [](boost::any const&) {}, [] {}, [none](QString const& tip) { none->setToolTip(tip); }, {}};
  }
  editor.widget->setObjectName(QString::fromStdString(property->id));
  // Focus by click or Tab only: a wheel over an editor without the focus scrolls the grid (eventFilter).
  editor.widget->setFocusPolicy(Qt::StrongFocus);
  editor.widget->installEventFilter(this);
  bool const checkBox = qobject_cast<QCheckBox*>(editor.widget) != nullptr;
  if (!checkBox)
    editor.widget->setMinimumWidth(editor.widget->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
  // "Reset to default": a button beside the editor of a changed option, and in the context menus.
  auto* reset = new QAction(QCoreApplication::translate("QtInspectorWidget", "Reset to default"), this);
  reset->setObjectName(QString::fromStdString("reset:" + property->id));
  connect(reset, &QAction::triggered, this, [this, weak] {
    auto p = weak.lock();
    auto const defaultValue = p ? p->meta->get_child_optional("default") : boost::none;
    if (defaultValue) commit(*p, defaultValue->data());
  });
  for (QWidget* widget : {static_cast<QWidget*>(label), editor.widget}) {
    widget->addAction(reset);
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
  }
  reset->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
  auto* resetButton = new QToolButton(parent);
  resetButton->setDefaultAction(reset);
  resetButton->setAutoRaise(true);
  resetButton->setObjectName(QString::fromStdString("reset-button:" + property->id));
  resetButton->hide();
  if (checkBox) {
    grid_->addWidget(label, gridRow, 0, 1, 2);
    grid_->addWidget(editor.widget, gridRow, 2);
  } else {
    grid_->addWidget(label, gridRow, 0);
    grid_->addWidget(editor.widget, gridRow, 1, 1, 2);
  }
  grid_->addWidget(resetButton, gridRow, 3);
  ++gridRow;
  section.rows.push_back(rows_.size());
  rows_.push_back({property, label, std::move(editor), reset, resetButton, tooltip});
  showRowWidgets(rows_.back(), true);
}

void QtInspectorWidget::showRowWidgets(Row& row, bool shown) {
  row.label->setVisible(shown);
  row.editor.widget->setVisible(shown);
  // While the row is shown its reset button keeps its place hidden, so that showing it moves nothing.
  QSizePolicy keepPlace = row.resetButton->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(shown);
  row.resetButton->setSizePolicy(keepPlace);
  row.resetButton->setVisible(shown && row.changed);
}

void QtInspectorWidget::setSectionExpanded(Section const& section, bool expanded) {
  section.header->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
  for (std::size_t const index : section.rows) showRowWidgets(rows_[index], expanded);
  markHeader(section);
}

void QtInspectorWidget::markHeader(Section const& section) {
  if (!section.header) return;
  bool const holdsChanged = std::any_of(section.rows.begin(), section.rows.end(),
                                        [this](std::size_t index) { return rows_[index].changed; });
  QFont font = section.header->font();
  font.setBold(!section.header->isChecked() && holdsChanged);
  section.header->setFont(font);
}

QtInspectorWidget::Widths QtInspectorWidget::widths() const {
  QMargins const margins = grid_->contentsMargins();
  int const spacing = grid_->horizontalSpacing();
  Widths w{margins.left() + margins.right() + 3 * spacing,  0, 0, 0, 0,
           scroll_->verticalScrollBar()->sizeHint().width()};
  for (auto const& row : rows_) {
    QFont bold = row.label->font();
    bold.setBold(true);
    w.label = std::max(w.label, row.label->minimumSizeHint().width());
    w.wholeLabel = std::max(w.wholeLabel, QFontMetrics(bold).horizontalAdvance(row.label->wholeText()) +
                                              row.label->contentsMargins().left() +
                                              row.label->contentsMargins().right());
    // An editor's least width is the one it was given; a check box has none but its own.
    QWidget const* editor = row.editor.widget;
    int const least = editor->minimumWidth() > 0 ? editor->minimumWidth() : editor->minimumSizeHint().width();
    w.value = std::max(w.value, least);
    w.wholeValue = std::max(w.wholeValue, editor->sizeHint().width());
  }
  if (!rows_.empty()) w.fixed += rows_.front().resetButton->sizeHint().width();
  return w;
}

QSize QtInspectorWidget::sizeHint() const {
  Widths const w = widths();
  int width = w.fixed + w.wholeLabel + w.wholeValue;
  for (auto const& section : sections_)
    if (section.header) width = std::max(width, section.header->sizeHint().width());
  return {width + w.scrollBar, scroll_->widget()->sizeHint().height()};
}

QSize QtInspectorWidget::minimumSizeHint() const {
  Widths const w = widths();
  return {w.fixed + w.label + w.value + w.scrollBar, QWidget::minimumSizeHint().height()};
}

bool QtInspectorWidget::event(QEvent* event) {
  if (event->type() == QEvent::DynamicPropertyChange) bindUndoKeys();
  return QWidget::event(event);
}

bool QtInspectorWidget::eventFilter(QObject* watched, QEvent* event) {
  // Before the scroll area sizes the grid, so that the grid's height is that of the labels' new width.
  if (watched == scroll_ && event->type() == QEvent::Resize) shareWidth();
  if (event->type() == QEvent::Wheel && watched != scroll_ && !static_cast<QWidget*>(watched)->hasFocus()) {
    // Not taken: the wheel goes on to the grid, which scrolls.
    event->ignore();
    return true;
  }
  return false;
}

int QtInspectorWidget::labelWidth(int width) const {
  Widths const w = widths();
  // The grid's width beside a scroll bar, whether or not one is shown.
  int const room = width - w.scrollBar - w.fixed;  // for the labels and the editors
  int const most = std::max(w.label, room - w.value);
  int label = userLabelWidth_;
  if (label < 0) label = std::min(w.wholeLabel, room - std::max(w.value, std::min(w.wholeValue, room / 2)));
  return std::clamp(label, w.label, most);
}

void QtInspectorWidget::shareWidth() {
  if (rows_.empty()) return;
  int const label = labelWidth(scroll_->width());
  if (grid_->columnMinimumWidth(0) != label) grid_->setColumnMinimumWidth(0, label);
  split_->place(grid_->contentsMargins().left() + label + grid_->horizontalSpacing() / 2);
}

int QtInspectorWidget::heightForWidth(int width) const {
  if (rows_.empty()) return scroll_->widget()->sizeHint().height();
  int const shown = grid_->columnMinimumWidth(0);
  grid_->setColumnMinimumWidth(0, labelWidth(width));
  int const height = grid_->totalHeightForWidth(width - widths().scrollBar);
  grid_->setColumnMinimumWidth(0, shown);
  return height;
}

void QtInspectorWidget::bindUndoKeys() {
  for (QShortcut* shortcut : undoKeys_) delete shortcut;
  undoKeys_.clear();
  auto const stack = property("trv_undoStack").value<QPointer<QUndoStack>>();
  QVariant const wanted = property("trv_undoShortcuts");
  if (!stack || (wanted.isValid() && !wanted.toBool())) return;
  auto const bind = [&](QKeySequence const& keys, void (QUndoStack::*step)()) {
    auto* shortcut = new QShortcut(keys, this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    // An editor holding an entry not yet stored keeps the keys for its own editing (it takes them first).
    connect(shortcut, &QShortcut::activated, this, [stack, step] {
      if (stack) (stack->*step)();
    });
    undoKeys_.push_back(shortcut);
  };
  bind(QKeySequence(Qt::CTRL | Qt::Key_Z), &QUndoStack::undo);
  bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &QUndoStack::redo);
  bind(QKeySequence(Qt::CTRL | Qt::Key_Y), &QUndoStack::redo);
}

QWidget* QtInspectorWidget::editor(std::string const& id) const {
  for (auto const& row : rows_)
    if (row.property->id == id) return row.editor.widget;
  return nullptr;
}

void QtInspectorWidget::refresh() {
  ObjectKey const* key = nullptr;
  if (selectionManager_ && !selectionManager_->selected.empty()) key = &*selectionManager_->selected.begin();
  for (auto& row : rows_) showRow(row, key);
  for (auto const& section : sections_) markHeader(section);
}

QString QtInspectorWidget::switchedOffText(Property const& property) const {
  auto const option = property.meta->get_child_optional("gate.option");
  auto const offValue = property.meta->get_child_optional("gate.off_value");
  auto const* id = option ? boost::any_cast<std::string>(&option->data()) : nullptr;
  if (!id || !offValue) return {};
  Property const* gate = properties_ ? findProperty(*properties_, *id) : nullptr;
  QString const name = gate ? QString::fromStdString(gate->displayName) : QString::fromStdString(*id);
  if (auto const* flag = boost::any_cast<bool>(&offValue->data()))
    return (*flag ? QCoreApplication::translate("QtInspectorWidget", "Applies when “%1” is switched off")
                  : QCoreApplication::translate("QtInspectorWidget", "Applies when “%1” is switched on"))
        .arg(name);
  QString const value = gate ? qt::valueText(*gate->meta, offValue->data()) : QString();
  return QCoreApplication::translate("QtInspectorWidget", "Applies when “%1” is not “%2”").arg(name, value);
}

// A property that reports no value (an option switched off, or one that cannot be read) is shown as neither
// value and cannot be edited, its row greyed; a switched-off one says what switches it off.
void QtInspectorWidget::showRow(Row& row, ObjectKey const* key) {
  Property const& property = *row.property;
  boost::any value;
  bool hasValue = false;
  if (key && property.getValue) {
    try {
      hasValue = property.getValue(*key, value);
    } catch (std::exception const&) {
      hasValue = false;
    }
  }
  QString const off = hasValue ? QString() : switchedOffText(property);
  if (hasValue)
    row.editor.show(value);
  else
    row.editor.showNone();
  row.editor.setTip(off.isEmpty() ? row.tooltip : off);
  row.label->setExtraTip(off.isEmpty() ? row.tooltip : off);
  bool const readOnly = !property.setValue || (key && property.isReadOnly && property.isReadOnly(*key));
  row.editor.widget->setEnabled(hasValue && !readOnly);
  row.label->setEnabled(hasValue);
  // An option away from its default is marked by a bold label and a reset button, and only such an option
  // can be reset. The mark follows the value the property reports, so the same record always looks the same,
  // however it was reached: an option switched off reports none, and is not marked.
  row.changed = hasValue && property.meta && qt::differsFromDefault(*property.meta, value);
  QFont font = row.label->font();
  font.setBold(row.changed);
  row.label->setFont(font);
  row.reset->setEnabled(row.changed && !readOnly);
  row.resetButton->setVisible(!row.label->isHidden() && row.changed);
}

bool QtInspectorWidget::storePendingEntry(QString* reason) {
  for (auto& row : rows_) {
    QString why;
    if (!row.editor.store || row.editor.store(&why)) continue;
    row.editor.widget->setFocus();
    scroll_->ensureWidgetVisible(row.editor.widget);
    if (reason)
      *reason = QCoreApplication::translate("QtInspectorWidget", "“%1”: %2").arg(row.label->wholeText(), why);
    return false;
  }
  return true;
}

// Writes the value to the first selected object; a refused or failed write shows the stored value again.
void QtInspectorWidget::commit(Property& property, boost::any const& value) {
  if (!selectionManager_ || selectionManager_->selected.empty() || !property.setValue) return;
  ObjectKey const key = *selectionManager_->selected.begin();
  bool written = false;
  try {
    written = property.setValue(key, value);
  } catch (std::exception const&) {
    written = false;
  }
  if (!written) refresh();
}

}  // namespace trv::properties
