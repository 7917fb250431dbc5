#include "host/trv_properties_qt/QtInspectorWidget.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "host/trv_qt2/ValueText.h"

namespace trv::properties {

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

// Sections in the order in which their categories first appear, rows in property order within them.
void QtInspectorWidget::build() {
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setColumnStretch(1, 1);
  outer->addLayout(grid);
  outer->addStretch(1);
  if (!properties_ || properties_->list().empty()) {
    // An empty grid would look like a fault: say why there is nothing to set.
    auto* none = new QLabel(QStringLiteral("No option applies to the analysis model of this task."), this);
    none->setObjectName(QStringLiteral("no-options"));
    grid->addWidget(none, 0, 0, 1, 2);
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
    section.header = new QToolButton(this);
    section.header->setText(QString::fromStdString(category));
    section.header->setObjectName(QString::fromStdString("section:" + category));
    section.header->setCheckable(true);
    section.header->setChecked(true);
    section.header->setArrowType(Qt::DownArrow);
    section.header->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    section.header->setAutoRaise(true);
    grid.addWidget(section.header, gridRow++, 0, 1, 2);
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
  auto* label = new QLabel(QString::fromStdString(property->displayName), this);
  label->setToolTip(QString::fromStdString(property->tooltip));
  std::weak_ptr<Property> const weak = property;
  qt::Editor editor;
  if (editorFactory_)
    editor = editorFactory_->create(*property->meta, this, [this, weak](boost::any const& value) {
      if (auto p = weak.lock()) commit(*p, value);
    });
  else
    editor = {new QLabel(this), [](boost::any const&) {}};
  editor.widget->setObjectName(QString::fromStdString(property->id));
  editor.widget->setToolTip(label->toolTip());
  // "Reset to default" from the context menu of the label and of the editor.
  auto* reset = new QAction(QStringLiteral("Reset to default"), this);
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
  grid.addWidget(label, gridRow, 0);
  grid.addWidget(editor.widget, gridRow, 1);
  ++gridRow;
  section.rows.push_back(rows_.size());
  rows_.push_back({property, label, std::move(editor), reset});
}

void QtInspectorWidget::setSectionExpanded(Section const& section, bool expanded) {
  section.header->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
  for (std::size_t const index : section.rows) {
    rows_[index].label->setVisible(expanded);
    rows_[index].editor.widget->setVisible(expanded);
  }
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

// A property that reports no value (or cannot be read) is shown empty and cannot be edited.
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
  if (!hasValue) value = boost::any();
  row.editor.show(value);
  bool const readOnly = !property.setValue || (key && property.isReadOnly && property.isReadOnly(*key));
  row.editor.widget->setEnabled(hasValue && !readOnly);
  // An option away from its default is marked by a bold label, and only such an option can be reset.
  bool const changed = hasValue && property.meta && qt::differsFromDefault(*property.meta, value);
  QFont font = row.label->font();
  font.setBold(changed);
  row.label->setFont(font);
  row.reset->setEnabled(changed && !readOnly);
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
