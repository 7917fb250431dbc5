// The property grid: editors chosen by the settings, edits reaching the record through the properties, and
// two widgets on one task following each other.
#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/module_data.h"

namespace trv::control_param {
namespace {

using properties::QtInspectorWidget;

constexpr int kHandle = 815;

std::shared_ptr<data::InternalInterface> makeModule(ProgrammTypes type) {
  dbo::standin::ElementKinds everything;
  everything.quads = everything.brics = everything.beams = everything.cables = everything.springs = true;
  dbo::standin::setModel(kHandle, everything);
  return data::createModule(type, kHandle);
}

std::unique_ptr<QtInspectorWidget> widgetOf(data::InternalInterface const& module) {
  auto const& c = *module.configuration;
  auto widget = std::make_unique<QtInspectorWidget>(nullptr, c.properties, c.selectionManager,
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

ORIN_Control_Properties const& orin(data::InternalInterface const& module) {
  return module.model->get<ORIN_Control_Properties>(data::RecordKey);
}

TEST(InspectorWidget, DataMakesAGridOfTheFilteredProperties) {
  dbo::standin::setModel(kHandle, {});
  Data data(ORIN_A, kHandle);
  std::unique_ptr<QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  ASSERT_TRUE(widget);
  EXPECT_TRUE(qobject_cast<QComboBox*>(widget->editor("warp")));
  EXPECT_TRUE(qobject_cast<QComboBox*>(widget->editor("solv")));
  EXPECT_EQ(widget->editor("spri"), nullptr);  // no springs in the model
  EXPECT_EQ(widget->editor("moments"), nullptr);
  QLabel const* label = widget->findChild<QLabel*>();
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text(), QStringLiteral("Warping torsion"));
}

TEST(InspectorWidget, EditorsFollowTheSettingsAndEditsReachTheRecordAndTheOtherWidget) {
  auto module = makeModule(ORIN_C);
  auto first = widgetOf(*module);
  auto second = widgetOf(*module);
  auto* solv = editorOf<QComboBox>(*first, "solv");
  ASSERT_EQ(solv->count(), 4);
  EXPECT_EQ(solv->itemText(0), QStringLiteral("NoSolutionProcess"));
  EXPECT_EQ(solv->currentText(), QStringLiteral("SparseSolver"));
  EXPECT_TRUE(editorOf<QCheckBox>(*first, "spri_direction")->isChecked());
  // The T-beam components report no value while t_custom is off: not editable.
  EXPECT_FALSE(editorOf<QCheckBox>(*first, "moments")->isEnabled());
  EXPECT_TRUE(editorOf<QCheckBox>(*first, "t_custom")->isEnabled());

  solv->setFocus();
  QTest::keyClick(solv, Qt::Key_Down);
  EXPECT_EQ(orin(*module).solv, ORIN_SOLV::ParallelSparseSolver);
  EXPECT_EQ(editorOf<QComboBox>(*second, "solv")->currentText(), QStringLiteral("ParallelSparseSolver"));

  auto* fric = editorOf<QLineEdit>(*first, "fric");
  EXPECT_EQ(fric->text(), QString());
  EXPECT_TRUE(fric->isEnabled());
  struct Entry {
    char const* text;
    std::optional<double> stored;
    QString shown;  // by the other widget
  };
  Entry const entries[] = {{"2.5", 2.5, "2.5"}, {"", std::nullopt, ""}, {"abc", std::nullopt, ""}};
  for (Entry const& entry : entries) {
    enter(fric, entry.text);
    EXPECT_EQ(orin(*module).fric, entry.stored) << entry.text;
    EXPECT_EQ(editorOf<QLineEdit>(*second, "fric")->text(), entry.shown) << entry.text;
  }

  auto* tCustom = editorOf<QCheckBox>(*first, "t_custom");
  tCustom->setFocus();
  QTest::keyClick(tCustom, Qt::Key_Space);
  EXPECT_TRUE(orin(*module).t_custom);
  EXPECT_TRUE(editorOf<QCheckBox>(*second, "t_custom")->isChecked());
  EXPECT_TRUE(editorOf<QCheckBox>(*second, "moments")->isEnabled());  // its gate opened
}

TEST(InspectorWidget, IntegerEditorRefusesRealNumbers) {
  auto module = makeModule(ORIN_B);
  auto widget = widgetOf(*module);
  auto* bric = editorOf<QLineEdit>(*widget, "bric");
  enter(bric, "2.5");
  EXPECT_FALSE(orin(*module).bric.has_value());
  enter(bric, "-7");
  EXPECT_EQ(orin(*module).bric, std::optional<std::int32_t>(-7));
}

TEST(InspectorWidget, SectionsCollapse) {
  auto module = makeModule(ORIN_A);
  auto widget = widgetOf(*module);
  auto* springs = widget->findChild<QToolButton*>("section:Spring options");
  ASSERT_TRUE(springs);
  EXPECT_TRUE(widget->editor("spri")->isVisible());
  QTest::mouseClick(springs, Qt::LeftButton);
  EXPECT_FALSE(widget->editor("spri")->isVisible());
  EXPECT_FALSE(widget->editor("spri_direction")->isVisible());
  EXPECT_TRUE(widget->editor("warp")->isVisible());  // the group without a name has no header
  QTest::mouseClick(springs, Qt::LeftButton);
  EXPECT_TRUE(widget->editor("spri")->isVisible());
}

TEST(InspectorWidget, ReadOnlyAndUnreadablePropertiesAreNotEditable) {
  auto properties = std::make_shared<properties::Properties>();
  auto selection = std::make_shared<SelectionManager<ObjectKey>>();
  selection->selected.insert(ObjectKey{0});
  auto validators = std::make_shared<qt::DefaultValidatorFactory>();
  int writes = 0;
  for (auto const& [id, readOnly, readable] :
       {std::tuple{"editable", false, true}, std::tuple{"readonly", true, true},
        std::tuple{"novalue", false, false}}) {
    auto p = std::make_shared<properties::Property>();
    p->id = id;
    auto meta = std::make_shared<properties::Meta>();
    meta->put("validator.kind", boost::any(properties::ValidatorKind(typeid(double), "")));
    p->meta = meta;
    p->getValue = [readable = readable](ObjectKey const&, boost::any& value) {
      value = 1.0;
      return readable;
    };
    p->setValue = [&writes](ObjectKey const&, boost::any const&) { return ++writes > 0; };
    if (readOnly) p->isReadOnly = [](ObjectKey const&) { return true; };
    properties->add(p);
  }
  QtInspectorWidget widget(nullptr, properties, selection,
                           std::make_shared<qt::DefaultEditorFactory>(validators), validators, nullptr);
  EXPECT_TRUE(widget.editor("editable")->isEnabled());
  EXPECT_EQ(editorOf<QLineEdit>(widget, "readonly")->text(), QStringLiteral("1"));
  EXPECT_FALSE(widget.editor("readonly")->isEnabled());
  EXPECT_EQ(editorOf<QLineEdit>(widget, "novalue")->text(), QString());
  EXPECT_FALSE(widget.editor("novalue")->isEnabled());
  selection->selected.clear();
  selection->changed();
  EXPECT_FALSE(widget.editor("editable")->isEnabled());
  EXPECT_EQ(writes, 0);
}

}  // namespace
}  // namespace trv::control_param
