#pragma once
// Stand-in for the suite's property inspector widget: a property grid driven only by what the properties
// carry. Properties are grouped by category into collapsible sections of label and value rows; each value
// gets the editor that its settings ask for; the values follow the model's signals. The grid scrolls and
// fits a narrow dock: no editor is cut off; labels and group headers are shortened (their whole text in the
// tooltip) and never move the editors when they turn bold; the user drags the split between labels and
// editors; check boxes leave their row's width to the label. Each changed option has a bold label and a reset
// button (a folded group holding one a bold header); an option switched off is greyed, label and all. An
// editor without the focus leaves the mouse wheel to the grid, which scrolls.
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
class QScrollArea;
class QShortcut;
class QToolButton;

namespace trv::properties {
namespace detail {
class OptionLabel;
class SectionHeader;
class SplitHandle;
}  // namespace detail

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

  // Stores the entry being typed in an editor, as Return does: what a host calls before it stores the task
  // (an entry not yet stored is not in the task). True when there is none or it was stored; false when it
  // cannot be stored: the editor keeps the entry, marked, and takes the focus, and `reason` (when given)
  // names the option and why.
  bool storePendingEntry(QString* reason = nullptr);

  // The size that shows every label and editor whole; the widget also works far narrower (down to its minimum
  // size: labels shortened, no editor cut off) and lower (it scrolls).
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // The height that shows every row at this width (labels take two lines where one is too short). Layouts
  // do not ask for it: the widget scrolls in whatever height it is given.
  int heightForWidth(int width) const override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    std::shared_ptr<Property> property;
    detail::OptionLabel* label;
    qt::Editor editor;
    QAction* reset;            // "Reset to default" in the context menus
    QToolButton* resetButton;  // the same, beside the editor
    QString tooltip;           // the property's own tooltip
    bool changed = false;      // its value differs from its default
  };
  struct Section {
    detail::SectionHeader* header;  // null for the group without a name
    std::vector<std::size_t> rows;
  };
  // Widths of the grid's parts, in pixels.
  struct Widths {
    int fixed;       // margins, spacing and the reset buttons
    int label;       // the least of a label
    int wholeLabel;  // the widest label, whole and bold
    int value;       // the least of the editors' column (a check box's, or an editor's least)
    int wholeValue;  // the widest editor, whole
    int scrollBar;   // beside the grid
  };

  void build();
  void addSection(std::string const& category, int& gridRow);
  void addRow(std::shared_ptr<Property> const& property, int& gridRow, Section& section);
  void showRow(Row& row, ObjectKey const* key);
  void commit(Property& property, boost::any const& value);
  void setSectionExpanded(Section const& section, bool expanded);
  // Shows or hides a row; a hidden row takes no room.
  void showRowWidgets(Row& row, bool shown);
  // A folded group's header is bold while the group holds a changed option.
  void markHeader(Section const& section);
  // Why the row shows no value: the option that switches it off, and how; empty when it has no gate.
  QString switchedOffText(Property const& property) const;
  Widths widths() const;
  // The label column's width in a widget this wide: the user's split once dragged, else what the labels need
  // while the editors keep up to half the width; never so wide that an editor is cut off.
  int labelWidth(int width) const;
  void shareWidth();
  // Binds, or unbinds, the undo and redo keys as the dynamic properties ask.
  void bindUndoKeys();

  std::shared_ptr<Properties> properties_;
  std::shared_ptr<SelectionManager<ObjectKey>> selectionManager_;
  std::shared_ptr<qt::DefaultEditorFactory> editorFactory_;
  std::shared_ptr<qt::DefaultValidatorFactory> validatorFactory_;
  std::shared_ptr<DataModelSignals> signals_;
  QScrollArea* scroll_ = nullptr;
  QGridLayout* grid_ = nullptr;
  detail::SplitHandle* split_ = nullptr;
  int userLabelWidth_ = -1;  // the label column's width the user dragged, kept for the widget's life
  std::vector<Row> rows_;
  std::vector<Section> sections_;
  std::vector<boost::signals2::scoped_connection> connections_;
  std::vector<QShortcut*> undoKeys_;
};

}  // namespace trv::properties
