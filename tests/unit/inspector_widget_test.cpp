// The property grid: editors chosen by the settings, edits reaching the record through the properties, and
// two widgets on one task following each other.
#include <gtest/gtest.h>

#include <map>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "host/trv_properties_qt/label_language.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/module_data.h"

namespace trv::control_param {
namespace {

using properties::QtInspectorWidget;

constexpr int kHandle = 815;

// A widget over the module's properties, or over `properties` in their place.
std::unique_ptr<QtInspectorWidget> widgetOf(data::InternalInterface const& module,
                                            std::shared_ptr<properties::Properties> properties = nullptr) {
  auto const& c = *module.configuration;
  auto widget =
      std::make_unique<QtInspectorWidget>(nullptr, properties ? properties : c.properties, c.selectionManager,
                                          c.editorFactory, c.validatorFactory, c.signals);
  widget->show();
  return widget;
}

template <typename W>
W* editorOf(QtInspectorWidget const& widget, std::string const& id) {
  auto* editor = qobject_cast<W*>(widget.editor(id));
  if (!editor) throw std::runtime_error("no editor of the expected kind for " + id);
  return editor;
}

void enter(QLineEdit* editor, char const* text) {
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
}

// Data's widget: a grid of the properties the model's elements call for, in collapsible sections.
TEST(InspectorWidget, DataMakesAGridOfTheFilteredPropertiesInSections) {
  dbo::standin::ElementKinds springs;
  springs.springs = true;
  dbo::standin::setModel(kHandle, springs);
  Data data(ORIN_A, kHandle);
  std::unique_ptr<QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  widget->show();
  EXPECT_TRUE(qobject_cast<QComboBox*>(widget->editor("warp")));
  EXPECT_EQ(widget->editor("moments"), nullptr);  // no plates and beams in the model
  EXPECT_EQ(widget->findChild<QLabel*>()->text(), QStringLiteral("Warping torsion"));
  auto* section = widget->findChild<QToolButton*>("section:Spring options");
  for (bool const expanded : {true, false, true}) {
    EXPECT_EQ(widget->editor("spri")->isVisible(), expanded);
    EXPECT_EQ(widget->editor("spri_direction")->isVisible(), expanded);
    EXPECT_TRUE(widget->editor("warp")->isVisible());  // the group without a name has no header
    QTest::mouseClick(section, Qt::LeftButton);
  }
  Data pelu(PELU_A, kHandle);  // without beams no option applies: the widget says so
  std::unique_ptr<QtInspectorWidget> empty(pelu.createPropertyInspector(nullptr));
  ASSERT_NE(empty->findChild<QLabel*>("no-options"), nullptr);
  EXPECT_EQ(empty->findChild<QLabel*>("no-options")->text(),
            QStringLiteral("No option applies to the analysis model of this task."));
}

TEST(InspectorWidget, EditorsFollowTheSettingsAndEditsReachTheRecordAndTheOtherWidget) {
  dbo::standin::ElementKinds everything;
  everything.quads = everything.brics = everything.beams = everything.cables = everything.springs = true;
  dbo::standin::setModel(kHandle, everything);
  auto const module = data::createModule(ORIN_B, kHandle);
  auto const orin = [&] { return module->model->get<ORIN_Control_Properties>(data::RecordKey); };
  auto first = widgetOf(*module);
  auto second = widgetOf(*module);
  auto* solv = editorOf<QComboBox>(*first, "solv");
  ASSERT_EQ(solv->count(), 4);
  EXPECT_EQ(solv->itemText(0), QStringLiteral("No solution process"));
  EXPECT_EQ(solv->currentText(), QStringLiteral("Sparse solver"));
  EXPECT_TRUE(editorOf<QCheckBox>(*first, "spri_direction")->isChecked());
  EXPECT_FALSE(editorOf<QCheckBox>(*first, "moments")->isEnabled());  // no value while t_custom is off
  solv->setFocus();
  QTest::keyClick(solv, Qt::Key_Down);
  EXPECT_EQ(orin().solv, ORIN_SOLV::ParallelSparseSolver);
  EXPECT_EQ(editorOf<QComboBox>(*second, "solv")->currentText(), QStringLiteral("Parallel sparse solver"));
  // Optional real and integer numbers: an empty entry clears, one that is no such number is refused.
  struct Entry {
    char const* id;
    char const* text;
    QString shown;  // by the other widget
  };
  Entry const entries[] = {{"cabl", "", ""},    {"cabl", "2.5", "2.5"}, {"cabl", "", ""},
                           {"cabl", "abc", ""}, {"bric", "2.5", ""},    {"bric", "-7", "-7"},
                           {"bric", "x", "-7"}};
  for (Entry const& entry : entries) {
    EXPECT_TRUE(editorOf<QLineEdit>(*first, entry.id)->isEnabled());
    enter(editorOf<QLineEdit>(*first, entry.id), entry.text);
    EXPECT_EQ(editorOf<QLineEdit>(*second, entry.id)->text(), entry.shown) << entry.id << ' ' << entry.text;
  }
  EXPECT_EQ(orin().cabl, std::nullopt);
  EXPECT_EQ(orin().bric, std::optional<std::int32_t>(-7));
  auto* tCustom = editorOf<QCheckBox>(*first, "t_custom");
  tCustom->setFocus();
  QTest::keyClick(tCustom, Qt::Key_Space);
  EXPECT_TRUE(orin().t_custom);
  EXPECT_TRUE(editorOf<QCheckBox>(*second, "t_custom")->isChecked());
  EXPECT_TRUE(editorOf<QCheckBox>(*second, "moments")->isEnabled());  // its gate opened
  // A read-only property shows its value but takes no edits; without a selection nothing is editable.
  auto properties = std::make_shared<properties::Properties>();
  for (auto const& p : module->configuration->properties->list()) {
    properties->add(std::make_shared<properties::Property>(*p));
    if (p->id == "solv") properties->list().back()->isReadOnly = [](ObjectKey const&) { return true; };
  }
  int writes = 0;
  module->model->modified.connect([&](auto const&) { ++writes; });
  auto const readOnly = widgetOf(*module, properties);
  EXPECT_EQ(editorOf<QComboBox>(*readOnly, "solv")->currentText(), QStringLiteral("Parallel sparse solver"));
  EXPECT_FALSE(readOnly->editor("solv")->isEnabled());
  EXPECT_TRUE(readOnly->editor("warp")->isEnabled());
  module->configuration->selectionManager->selected.clear();
  module->configuration->selectionManager->changed();
  EXPECT_FALSE(readOnly->editor("warp")->isEnabled());
  EXPECT_FALSE(first->editor("warp")->isEnabled());
  EXPECT_EQ(writes, 0);
}

// An option away from its default has a bold label and a "Reset to default" in its context menu and as a
// button beside it. At dock width the grid fits, and a label turning bold moves nothing.
TEST(InspectorWidget, ChangedOptionsAreBoldAndResetFromTheirContextMenuOrButton) {
  Data data(BRAX_A, kHandle);
  data.insertXMLData("{\"cast\":true,\"version_id\":1}");
  std::unique_ptr<QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  widget->resize(360, 200);
  widget->show();
  QApplication::processEvents();
  EXPECT_LE(widget->findChild<QWidget*>("grid")->width(), 360);
  auto* button = widget->findChild<QToolButton*>("reset-button:cast");
  EXPECT_TRUE(button->isVisible());
  EXPECT_FALSE(widget->findChild<QToolButton*>("reset-button:stor")->isVisible());
  QPoint const editorAt = widget->editor("cast")->pos();
  QTest::mouseClick(button, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(widget->editor("cast")->pos(), editorAt);
  EXPECT_FALSE(button->isVisible());
  EXPECT_EQ(data.getXMLData(), "0AwCAA==\n");
  data.undo();
  auto bold = [&](char const* id) {
    auto* label =
        qobject_cast<QLabel*>(widget->findChild<QAction*>(QString("reset:") + id)->associatedWidgets()[0]);
    return label->font().bold();
  };
  auto* reset = widget->findChild<QAction*>("reset:cast");
  EXPECT_TRUE(bold("cast"));
  EXPECT_FALSE(bold("stor"));
  EXPECT_TRUE(reset->isEnabled());
  EXPECT_FALSE(widget->findChild<QAction*>("reset:stor")->isEnabled());
  reset->trigger();
  EXPECT_FALSE(bold("cast"));
  EXPECT_FALSE(editorOf<QCheckBox>(*widget, "cast")->isChecked());
  EXPECT_EQ(data.getXMLData(), "0AwCAA==\n");  // the version stays
  data.undo();
  EXPECT_TRUE(bold("cast"));
}

// Numbers are typed in the labels' convention, never with group separators; an entry that cannot be stored is
// marked with its reason (the rows below stay where they are) and not stored, and Escape or leaving the field
// shows the stored value again.
TEST(InspectorWidget, NumberEntriesInTheLabelLocaleAndRefusedEntriesShownAsSuch) {
  struct Row {
    char const* locale;
    char const* id;
    char const* text;
    Qt::Key key;  // Qt::Key_unknown: the field loses the focus
    char const* shown;
    char const* reason;  // empty: valid
    char const* stored;  // the record's fields, as "cabl bric"
  };
  Row const rows[] = {
      {"de_DE.UTF-8", "cabl", "1,5", Qt::Key_Return, "1,5", "", "1.5 -"},
      {"de_DE.UTF-8", "cabl", "1.000", Qt::Key_Return, "1.000", "Keine Zahl", "1.5 -"},
      {"de_DE.UTF-8", "cabl", "2.5", Qt::Key_Return, "2.5", "Keine Zahl – Dezimalkomma verwenden: 2,5",
       "1.5 -"},
      {"de_DE.UTF-8", "cabl", "1e400", Qt::Key_Return, "1e400", "Zahl zu groß", "1.5 -"},
      {"de_DE.UTF-8", "cabl", "-1e-400", Qt::Key_Return, "-1e-400", "Zahl zu klein", "1.5 -"},
      {"de_DE.UTF-8", "cabl", "1.000", Qt::Key_Escape, "1,5", "", "1.5 -"},
      {"de_DE.UTF-8", "cabl", "-2,5e-3", Qt::Key_unknown, "-0,0025", "", "-0.0025 -"},
      {"de_DE.UTF-8", "bric", "2,5", Qt::Key_Return, "2,5", "Keine ganze Zahl", "-0.0025 -"},
      {"de_DE.UTF-8", "bric", "99999999999", Qt::Key_Return, "99999999999", "Über dem Höchstwert 2147483647",
       "-0.0025 -"},
      {"de_DE.UTF-8", "bric", "abc", Qt::Key_unknown, "", "", "-0.0025 -"},
      {"en_US.UTF-8", "cabl", "1,000", Qt::Key_Return, "1,000", "Not a number", "- -"},
      {"en_US.UTF-8", "cabl", "1e400", Qt::Key_Return, "1e400", "Number too large", "- -"},
      {"en_US.UTF-8", "cabl", "1,5", Qt::Key_Return, "1,5", "Not a number – use the decimal point: 1.5",
       "- -"},
      {"en_US.UTF-8", "cabl", "1000.5", Qt::Key_Return, "1000.5", "", "1000.5 -"},
      {"en_US.UTF-8", "bric", "-2147483648", Qt::Key_Return, "-2147483648", "", "1000.5 -2147483648"},
  };
  dbo::standin::ElementKinds everything;
  everything.quads = everything.brics = everything.beams = everything.cables = everything.springs = true;
  dbo::standin::setModel(kHandle, everything);
  std::string locale;
  std::shared_ptr<data::InternalInterface> module;
  std::unique_ptr<QtInspectorWidget> widget;
  for (Row const& row : rows) {
    SCOPED_TRACE(std::string(row.locale) + ' ' + row.id + ' ' + row.text);
    if (locale != row.locale) {
      properties::chooseLabelLanguage(locale = row.locale);
      module = data::createModule(ORIN_B, kHandle);
      widget = widgetOf(*module);
      widget->resize(900, 600);  // labels of one line: the fields set the rows' height
      QApplication::processEvents();
    }
    int const below = widget->editor("spri")->y();
    auto* edit = editorOf<QLineEdit>(*widget, row.id);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, row.text);
    if (row.key == Qt::Key_unknown) {
      QFocusEvent out(QEvent::FocusOut);
      QApplication::sendEvent(edit, &out);
    } else {
      QTest::keyClick(edit, row.key);
    }
    QApplication::processEvents();
    EXPECT_EQ(widget->editor("spri")->y(), below);
    EXPECT_EQ(edit->text().toStdString(), row.shown);
    EXPECT_EQ(edit->toolTip().toStdString(), row.reason);
    EXPECT_EQ(edit->property("invalid").toBool(), *row.reason != 0);
    auto const& record = module->model->get<ORIN_Control_Properties>(data::RecordKey);
    auto text = [](auto const& value) {
      return value ? QString::number(*value).toStdString() : std::string("-");
    };
    EXPECT_EQ(text(record.cabl) + ' ' + text(record.bric), row.stored);
  }
  properties::chooseLabelLanguage("");
}

// A switched-off option is drawn as neither value, cannot be edited or reset and says, in the label language,
// what switches it off; its stored value stays. German throughout once German is chosen.
TEST(InspectorWidget, SwitchedOffOptionsShowNoValueAndSayWhyInGerman) {
  properties::chooseLabelLanguage("de_DE.UTF-8");
  dbo::standin::setModel(kHandle, {true, true, true, true, true});
  Data orin(ORIN_B, kHandle);
  std::unique_ptr<QtInspectorWidget> widget(orin.createPropertyInspector(nullptr));
  widget->show();
  auto* moments = editorOf<QCheckBox>(*widget, "moments");
  EXPECT_EQ(moments->checkState(), Qt::PartiallyChecked);
  auto const toggle = [](QCheckBox* box) { QTest::keyClick(box, Qt::Key_Space); };
  toggle(editorOf<QCheckBox>(*widget, "t_custom"));
  toggle(moments);
  toggle(editorOf<QCheckBox>(*widget, "t_custom"));
  EXPECT_EQ(orin.getXMLData(), "wjwBAA==\n");  // moments stays on
  EXPECT_EQ(moments->checkState(), Qt::PartiallyChecked);
  EXPECT_FALSE(moments->isEnabled());
  EXPECT_EQ(moments->toolTip(), QStringLiteral("Wirksam, wenn „Benutzerdefiniert“ eingeschaltet ist"));
  auto const label = [](QtInspectorWidget& w) {
    return qobject_cast<QLabel*>(w.findChild<QAction*>("reset:moments")->associatedWidgets()[0]);
  };
  EXPECT_FALSE(label(*widget)->isEnabled());  // the row greyed as a whole
  // The same record looks the same, whether the option was switched off while shown or before.
  std::unique_ptr<QtInspectorWidget> later(orin.createPropertyInspector(nullptr));
  for (QtInspectorWidget* w : {widget.get(), later.get()}) {
    EXPECT_TRUE(w->findChild<QToolButton*>("reset-button:moments")->isHidden());
    EXPECT_FALSE(label(*w)->font().bold());
  }
  EXPECT_EQ(widget->findChild<QAction*>("reset:warp")->text(),
            QStringLiteral("Auf Standardwert zurücksetzen"));
  Data pelu(PELU_A, kHandle);
  std::unique_ptr<QtInspectorWidget> peluWidget(pelu.createPropertyInspector(nullptr));
  EXPECT_EQ(editorOf<QCheckBox>(*peluWidget, "non_lin_strain")->toolTip(),
            QStringLiteral("Wirksam, wenn „Schub-/Normalspannungsiteration“ nicht „Automatisch“ ist"));
  dbo::standin::setModel(kHandle, {});
  Data none(PELU_A, kHandle);
  std::unique_ptr<QtInspectorWidget> empty(none.createPropertyInspector(nullptr));
  EXPECT_EQ(empty->findChild<QLabel*>("no-options")->text(),
            QStringLiteral("Für das Analysemodell dieser Aufgabe gilt keine Option."));
  properties::chooseLabelLanguage("");
}

// An editor without the focus leaves the wheel to the grid (which scrolls: the event goes on to it); with the
// focus a choice takes it.
TEST(InspectorWidget, AWheelOverAnEditorWithoutTheFocusIsLeftToTheGrid) {
  dbo::standin::setModel(kHandle, {true, true, true, true, true});
  Data data(ORIN_B, kHandle);
  std::unique_ptr<QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  widget->show();
  QApplication::setActiveWindow(widget.get());
  QString const stored = data.getXMLData();
  auto const wheel = [](QWidget* target) {
    QWheelEvent event(QPointF(5, 5), QPointF(target->mapToGlobal(QPoint(5, 5))), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
  };
  for (char const* id : {"solv", "cabl"}) {
    EXPECT_FALSE(wheel(widget->editor(id))) << id;
    EXPECT_EQ(data.getXMLData(), stored) << id;
  }
  widget->editor("solv")->setFocus();
  EXPECT_TRUE(wheel(widget->editor("solv")));
  EXPECT_NE(data.getXMLData(), stored);
}

// A folded group takes no room, and its header is bold while it holds a changed option. The split between
// labels and editors is where the user drags it, also after the widget was resized.
TEST(InspectorWidget, FoldedGroupsTakeNoRoomAndTheSplitStaysWhereDragged) {
  dbo::standin::setModel(kHandle, {true, true, true, true, true});
  Data data(ORIN_B, kHandle);
  data.insertXMLData("{\"spri_direction\":false}");
  std::unique_ptr<QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  widget->resize(360, 600);
  widget->show();
  QApplication::processEvents();
  auto* springs = widget->findChild<QToolButton*>("section:Spring options");
  auto* tBeams = widget->findChild<QToolButton*>("section:T-beam components");
  for (QToolButton* header : {springs, tBeams}) QTest::mouseClick(header, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(tBeams->y(),
            springs->geometry().bottom() + 1 + widget->findChild<QGridLayout*>()->verticalSpacing());
  EXPECT_TRUE(springs->font().bold());
  EXPECT_FALSE(tBeams->font().bold());
  QTest::mouseClick(springs, Qt::LeftButton);
  EXPECT_FALSE(springs->font().bold());

  QWidget* label = widget->findChild<QAction*>("reset:warp")->associatedWidgets()[0];
  int const dragged = label->width() - 40;
  QMouseEvent drag(QEvent::MouseMove, QPointF(3 - 40, 3), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget->findChild<QWidget*>("split"), &drag);
  for (int const width : {360, 600, 360}) {
    widget->resize(width, 600);
    QApplication::processEvents();
    EXPECT_EQ(label->width(), dragged) << width;
  }
}

// At dock width, for every program type, without and with every element kind, in German and English: every
// editor and reset button within the grid's view, every shortened label, header and choice whole in its
// tooltip, no two labels alike, and a check box's label reaching past the other editors' left edge.
TEST(InspectorWidget, EveryGridFitsADock) {
  for (char const* locale : {"de_DE.UTF-8", "en_US.UTF-8"})
    for (bool const all : {false, true})
      for (int type = 0; type < kProgrammTypeCount; ++type) {
        SCOPED_TRACE(std::string(locale) + (all ? " all " : " none ") + kProgrammTypeNames[type]);
        properties::chooseLabelLanguage(locale);
        dbo::standin::setModel(kHandle, {all, all, all, all, all});
        Data data(static_cast<ProgrammTypes>(type), kHandle);
        std::unique_ptr<QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
        widget->resize(360, 400);
        widget->show();
        QApplication::processEvents();
        QWidget* view = widget->findChild<QScrollArea*>()->viewport();
        auto const place = [view](QWidget* w) { return QRect(w->mapTo(view, QPoint()), w->size()); };
        int editorsLeft = view->width();
        std::map<QString, QString> labels;  // shown text, whole text
        for (auto* label : view->findChildren<QLabel*>()) {
          if (label->isVisible() && !labels.emplace(label->text(), label->accessibleName()).second)
            ADD_FAILURE() << "two labels show " << label->text().toStdString();
          // Shortened: more than a break between lines missing.
          if (QString(label->text()).remove(QRegExp("\\s")) !=
                  QString(label->accessibleName()).remove(QRegExp("\\s")) &&
              label->objectName() != "no-options") {
            EXPECT_TRUE(label->toolTip().startsWith(label->accessibleName())) << label->text().toStdString();
          }
        }
        for (auto* editor : view->findChildren<QWidget*>()) {
          if (!editor->isVisible()) continue;
          bool const isEditor = qobject_cast<QComboBox*>(editor) || qobject_cast<QLineEdit*>(editor) ||
                                qobject_cast<QCheckBox*>(editor) || editor->objectName().startsWith("reset-");
          if (isEditor) {
            EXPECT_LE(place(editor).right(), view->width() - 1) << editor->objectName().toStdString();
          }
          if (qobject_cast<QComboBox*>(editor) || qobject_cast<QLineEdit*>(editor))
            editorsLeft = std::min(editorsLeft, place(editor).left());
          if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->currentIndex() >= 0) {
            EXPECT_EQ(combo->toolTip(), combo->currentText());
          }
          auto* header = qobject_cast<QToolButton*>(editor);
          if (header && header->objectName().startsWith("section:") &&
              header->fontMetrics().horizontalAdvance(header->text()) > header->width()) {
            EXPECT_EQ(header->toolTip(), header->text());
          }
        }
        for (auto* box : view->findChildren<QCheckBox*>()) {
          auto* label = qobject_cast<QLabel*>(
              widget->findChild<QAction*>("reset:" + box->objectName())->associatedWidgets()[0]);
          if (box->isVisible()) {
            EXPECT_GT(place(label).right(), editorsLeft) << label->text().toStdString();
          }
        }
      }
  properties::chooseLabelLanguage("");
  dbo::standin::setModel(kHandle, {});
}

}  // namespace
}  // namespace trv::control_param
