// The property grid: editors chosen by the settings, edits reaching the record through the properties, and
// two widgets on one task following each other.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

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

// An option away from its default has a bold label and a "Reset to default" in its context menu.
TEST(InspectorWidget, ChangedOptionsAreBoldAndResetFromTheirContextMenu) {
  Data data(BRAX_A, kHandle);
  data.insertXMLData("{\"cast\":true,\"version_id\":1}");
  std::unique_ptr<QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
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
// marked with its reason and not stored, and Escape or leaving the field shows the stored value again.
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
      {"de_DE.UTF-8", "cabl", "1.000", Qt::Key_Return, "1.000", "Not a number", "1.5 -"},
      {"de_DE.UTF-8", "cabl", "1.000", Qt::Key_Escape, "1,5", "", "1.5 -"},
      {"de_DE.UTF-8", "cabl", "-2,5e-3", Qt::Key_unknown, "-0,0025", "", "-0.0025 -"},
      {"de_DE.UTF-8", "bric", "2,5", Qt::Key_Return, "2,5", "Not a whole number", "-0.0025 -"},
      {"de_DE.UTF-8", "bric", "99999999999", Qt::Key_Return, "99999999999", "Above the maximum 2147483647",
       "-0.0025 -"},
      {"de_DE.UTF-8", "bric", "abc", Qt::Key_unknown, "", "", "-0.0025 -"},
      {"en_US.UTF-8", "cabl", "1,000", Qt::Key_Return, "1,000", "Not a number", "- -"},
      {"en_US.UTF-8", "cabl", "1e400", Qt::Key_Return, "1e400", "Not a number", "- -"},
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
    }
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

}  // namespace
}  // namespace trv::control_param
