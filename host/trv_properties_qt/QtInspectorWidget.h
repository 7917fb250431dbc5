#pragma once
// Stand-in for the suite's property inspector widget: a property grid driven only by what the properties
// carry. Properties are grouped by category into collapsible sections of label and value rows; each value
// gets the editor that its settings ask for; the values follow the model's signals. The grid scrolls and
// fits a narrow dock: labels are elided (their full text in the tooltip) and never move the editors when they
// turn bold; each changed option has a reset button.
//
// Undo: when the widget carries the task's undo stack as the dynamic property "trv_undoStack" (a
// QPointer<QUndoStack>), Ctrl+Z undoes and Ctrl+Shift+Z and Ctrl+Y redo while the focus is within it, except
// while an editor holds an entry not yet stored. A host whose own Edit menu carries these keys sets the
// dynamic property "trv_undoShortcuts" to false (two shortcuts on one key fire neither).

#include <memory>
#include <string>
#include <vector>

#include <QWidget>
#include <boost/signals2/connection.hpp>

#include "container/model/ObjectKey.h"
#include "host/trv_properties_qt/DataModelSignals.h"
#include "host/trv_properties_qt/Property.h"
#include "host/trv_properties_qt/SelectionManager.h"
#include "host/trv_qt2/DefaultEditorFactory.h"
#include "host/trv_qt2/DefaultValidatorFactory.h"

class QAction;
class QGridLayout;
class QLabel;
class QShortcut;
class QToolButton;

namespace trv::properties {

class QtInspectorWidget : public QWidget {
  Q_OBJECT

 public:
  QtInspectorWidget(QWidget* parent, std::shared_ptr<Properties> properties,
                    std::shared_ptr<SelectionManager<ObjectKey>> selectionManager,
                    std::shared_ptr<qt::DefaultEditorFactory> editorFactory,
                    std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory,
                    std::shared_ptr<DataModelSignals> modelSignals);
  ~QtInspectorWidget() override;

  std::shared_ptr<Properties> const& properties() const { return properties_; }
  std::shared_ptr<SelectionManager<ObjectKey>> const& selectionManager() const { return selectionManager_; }
  std::shared_ptr<DataModelSignals> const& modelSignals() const { return signals_; }

  // The editor of the property with this id (its object name is the id), or null.
  QWidget* editor(std::string const& id) const;
  // Shows again the values of the first selected object.
  void refresh();

  // The size that shows every label and editor whole; the widget also works far narrower (labels elided)
  // and lower (it scrolls).
  QSize sizeHint() const override;

 protected:
  bool event(QEvent* event) override;

 private:
  struct Row {
    std::shared_ptr<Property> property;
    QLabel* label;
    qt::Editor editor;
    QAction* reset;            // "Reset to default" in the context menus
    QToolButton* resetButton;  // the same, beside the editor
    QString tooltip;           // the property's own tooltip
  };
  struct Section {
    QToolButton* header;  // null for the group without a name
    std::vector<std::size_t> rows;
  };

  void build();
  void addSection(std::string const& category, QGridLayout& grid, int& gridRow);
  void addRow(std::shared_ptr<Property> const& property, QGridLayout& grid, int& gridRow, Section& section);
  void showRow(Row& row, ObjectKey const* key);
  void commit(Property& property, boost::any const& value);
  void setSectionExpanded(Section const& section, bool expanded);
  // Why the row shows no value: the option that switches it off, and how; empty when it has no gate.
  QString switchedOffText(Property const& property) const;
  // In a narrow dock the editors keep up to two fifths of the width, so that their values stay readable,
  // and the labels elide.
  void shareWidth();
  // Binds, or unbinds, the undo and redo keys as the dynamic properties ask.
  void bindUndoKeys();

  std::shared_ptr<Properties> properties_;
  std::shared_ptr<SelectionManager<ObjectKey>> selectionManager_;
  std::shared_ptr<qt::DefaultEditorFactory> editorFactory_;
  std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory_;
  std::shared_ptr<DataModelSignals> signals_;
  std::vector<Row> rows_;
  std::vector<Section> sections_;
  std::vector<boost::signals2::scoped_connection> connections_;
  std::vector<QShortcut*> undoKeys_;
};

}  // namespace trv::properties
