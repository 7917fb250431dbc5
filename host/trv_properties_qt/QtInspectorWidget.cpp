#include "host/trv_properties_qt/QtInspectorWidget.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

#include "host/trv_qt2/ValueText.h"

namespace trv::properties {
namespace {

// A label that shows as much of its text as fits, ending in "…", with the whole text in its tooltip then. Its
// size hint is that of the whole text in bold, so a label turning bold moves nothing.
class ElidedLabel : public QLabel {
 public:
  ElidedLabel(QString const& text, QWidget* parent) : QLabel(text, parent) {}

  // The tooltip beside the label's own text (the property's tooltip).
  void setExtraTip(QString const& tip) {
    extraTip_ = tip;
    updateTip();
  }

  QSize sizeHint() const override {
    QFont bold = font();
    bold.setBold(true);
    int const margins = contentsMargins().left() + contentsMargins().right();
    return {QFontMetrics(bold).horizontalAdvance(text()) + margins, QLabel::sizeHint().height()};
  }
  QSize minimumSizeHint() const override {
    return {fontMetrics().horizontalAdvance(QStringLiteral("Mm…")), QLabel::minimumSizeHint().height()};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QRect const area = contentsRect();
    QString const shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), shown,
                          foregroundRole());
  }
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    updateTip();
  }
  void changeEvent(QEvent* event) override {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) updateTip();
  }

 private:
  void updateTip() {
    bool const elided = fontMetrics().horizontalAdvance(text()) > contentsRect().width();
    if (!elided)
      setToolTip(extraTip_);
    else
      setToolTip(extraTip_.isEmpty() ? text() : text() + QLatin1Char('\n') + extraTip_);
  }

  QString extraTip_;
};

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

// A scrolling grid of label, editor and reset button; sections in the order in which their categories first
// appear, rows in property order within them.
void QtInspectorWidget::build() {
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  outer->addWidget(scroll);
  auto* content = new QWidget(scroll);
  content->setObjectName(QStringLiteral("grid"));
  auto* column = new QVBoxLayout(content);
  auto* grid = new QGridLayout;
  // Labels take what they need while there is room; below that they give way (elided) beside the editors.
  grid->setColumnStretch(1, 1);
  column->addLayout(grid);
  column->addStretch(1);
  scroll->setWidget(content);
  if (!properties_ || properties_->list().empty()) {
    // An empty grid would look like a fault: say why there is nothing to set.
    auto* none = new QLabel(QCoreApplication::translate(
                                "QtInspectorWidget", "No option applies to the analysis model of this task."),
                            content);
    none->setObjectName(QStringLiteral("no-options"));
    none->setWordWrap(true);
    grid->addWidget(none, 0, 0, 1, 3);
    return;
  }
  std::vector<std::string> categories;
  for (auto const& property : properties_->list())
    if (std::find(categories.begin(), categories.end(), property->category) == categories.end())
      categories.push_back(property->category);
  int gridRow = 0;
  for (auto const& category : categories) addSection(category, *grid, gridRow);
}

void QtInspectorWidget::addSection(std::string const& category, QGridLayout& grid, int& gridRow) {
  Section section{nullptr, {}};
  if (!category.empty()) {
    section.header = new QToolButton(grid.parentWidget());
    section.header->setText(QString::fromStdString(category));
    section.header->setObjectName(QString::fromStdString("section:" + category));
    section.header->setCheckable(true);
    section.header->setChecked(true);
    section.header->setArrowType(Qt::DownArrow);
    section.header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    section.header->setAutoRaise(true);
    grid.addWidget(section.header, gridRow++, 0, 1, 3);
  }
  for (auto const& property : properties_->list())
    if (property->category == category) addRow(property, grid, gridRow, section);
  sections_.push_back(section);
  if (section.header) {
    std::size_t const index = sections_.size() - 1;
    connect(section.header, &QToolButton::toggled, this,
            [this, index](bool expanded) { setSectionExpanded(sections_[index], expanded); });
  }
}

void QtInspectorWidget::addRow(std::shared_ptr<Property> const& property, QGridLayout& grid, int& gridRow,
                               Section& section) {
  QWidget* parent = grid.parentWidget();
  QString const tooltip = QString::fromStdString(property->tooltip);
  auto* label = new ElidedLabel(QString::fromStdString(property->displayName), parent);
  label->setExtraTip(tooltip);
  std::weak_ptr<Property> const weak = property;
  qt::Editor editor;
  if (editorFactory_)
    editor = editorFactory_->create(*property->meta, parent, [this, weak](boost::any const& value) {
      if (auto p = weak.lock()) commit(*p, value);
    });
  else
    editor = {new QLabel(parent), [](boost::any const&) {}, [] {}};
  editor.widget->setObjectName(QString::fromStdString(property->id));
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
  QSizePolicy keepPlace = resetButton->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);  // showing or hiding it moves nothing
  resetButton->setSizePolicy(keepPlace);
  resetButton->hide();
  grid.addWidget(label, gridRow, 0);
  grid.addWidget(editor.widget, gridRow, 1);
  grid.addWidget(resetButton, gridRow, 2);
  ++gridRow;
  section.rows.push_back(rows_.size());
  rows_.push_back({property, label, std::move(editor), reset, resetButton, tooltip});
}

void QtInspectorWidget::setSectionExpanded(Section const& section, bool expanded) {
  section.header->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
  for (std::size_t const index : section.rows) {
    Row& row = rows_[index];
    row.label->setVisible(expanded);
    row.editor.widget->setVisible(expanded);
    row.resetButton->setVisible(expanded && row.reset->isEnabled());
  }
}

QSize QtInspectorWidget::sizeHint() const {
  auto const* scroll = findChild<QScrollArea*>();
  QSize const content = scroll->widget()->sizeHint();
  return {content.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent), content.height()};
}

bool QtInspectorWidget::event(QEvent* event) {
  if (event->type() == QEvent::DynamicPropertyChange) bindUndoKeys();
  if (event->type() == QEvent::Resize) shareWidth();
  return QWidget::event(event);
}

void QtInspectorWidget::shareWidth() {
  auto* grid = findChild<QGridLayout*>();
  if (!grid) return;
  int widest = 0;
  for (auto const& row : rows_) widest = std::max(widest, row.editor.widget->sizeHint().width());
  grid->setColumnMinimumWidth(1, std::min(widest, width() * 2 / 5));
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
// value and cannot be edited; a switched-off one says what switches it off.
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
  row.editor.widget->setToolTip(off.isEmpty() ? row.tooltip : off);
  static_cast<ElidedLabel*>(row.label)->setExtraTip(off.isEmpty() ? row.tooltip : off);
  bool const readOnly = !property.setValue || (key && property.isReadOnly && property.isReadOnly(*key));
  row.editor.widget->setEnabled(hasValue && !readOnly);
  // An option away from its default is marked by a bold label, and only such an option can be reset. A reset
  // button shown for a changed option stays in sight, disabled, while the option is switched off.
  bool const changed = hasValue && property.meta && qt::differsFromDefault(*property.meta, value);
  QFont font = row.label->font();
  font.setBold(changed);
  row.label->setFont(font);
  row.reset->setEnabled(changed && !readOnly);
  bool const shown = changed || (!hasValue && !row.resetButton->isHidden());
  row.resetButton->setVisible(!row.label->isHidden() && shown);
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
