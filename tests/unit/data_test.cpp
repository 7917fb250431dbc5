// The exported facade and the module data object behind it: factory, sharing, copy and move, the
// construction-stage setters and upgrade, failed inserts, the model queries, signals and destruction.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QUndoStack>
#include <QWidget>

#include <boost/type_erasure/any_cast.hpp>

#include "container/model/Transaction.h"
#include "host/trv_assert/SmartAssert.h"
#include "host/trv_dbo/dbo.h"
#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "host/trv_properties_qt/label_language.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/brax_upgrade.h"
#include "lib/properties/control_param/src/calculation_method.h"
#include "lib/properties/control_param/src/module_data.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/errors.h"
#include "tests/unit/expect_throw_msg.h"
#include "tests/unit/signal_positions.h"

namespace {

using namespace trv::control_param;

constexpr int kHandle = 4711;

class EmptyData : public testing::TestWithParam<int> {};

TEST_P(EmptyData, CanBeCopiedMovedAssignedAndRefusesEverythingElse) {
  Data empty(static_cast<ProgrammTypes>(GetParam()), kHandle);
  EXPECT_FALSE(empty.isValid());
  Data copy(empty);
  Data moved(std::move(copy));
  Data assigned(ORIN_A, kHandle);
  assigned = moved;
  EXPECT_FALSE(assigned.isValid());
  assigned = Data(BRAX_A, kHandle);
  EXPECT_TRUE(assigned.isValid());
  trv::logging::UILogEntryCollectorSink sink;
  char const* const kEmpty = "Empty control-parameter data.";
  EXPECT_THROW_MSG(empty.getXMLData(), std::logic_error, kEmpty);
  EXPECT_THROW_MSG(empty.insertXMLData("AA==\n"), std::logic_error, kEmpty);
  EXPECT_THROW_MSG(empty.getKELMAR(0), std::logic_error, kEmpty);
  EXPECT_THROW_MSG(empty.setBRAX_NMAT(BRAX_NMAT::Active), std::logic_error, kEmpty);
  EXPECT_THROW_MSG(empty.setBRAX_PROB(BRAX_PROB::Linear), std::logic_error, kEmpty);
  EXPECT_THROW_MSG(empty.test4upgrade(sink), std::logic_error, kEmpty);
  EXPECT_THROW_MSG(empty.upgrade(), std::logic_error, kEmpty);
  EXPECT_THROW_MSG(empty.createPropertyInspector(nullptr), std::logic_error, kEmpty);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, EmptyData, testing::Values(12, -1, 1000, INT32_MIN));

TEST(DataFacade, CopiesShareOneRecord) {
  Data first(BRAX_A, kHandle);
  Data copy(first);
  copy.setBRAX_PROB(BRAX_PROB::IncludingNonlinearEffects);
  EXPECT_EQ(first.getXMLData(), "0AgCAA==\n");  // field 8 (prob) = 1, then the stop byte
  Data assigned(ORIN_A, kHandle);
  assigned = first;
  assigned.setBRAX_NMAT(BRAX_NMAT::Active);
  EXPECT_EQ(copy.getXMLData(), "0AgC0AkAAA==\n");  // field 9 (nmat) = 0 follows
  auto const lines = first.getKELMAR(1);
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[7].toStdString(), "CTRL OPT PROB VAL NONL V2 $(ITERATIONSNUMBER) ");
  EXPECT_EQ(lines[8].toStdString(), "CTRL OPT NMAT VAL YES");
}

TEST(DataFacade, MoveLeavesTheSourceEmpty) {
  Data a(BRAX_A, kHandle);
  a.setBRAX_NMAT(BRAX_NMAT::Active);
  Data b = std::move(a);
  EXPECT_FALSE(a.isValid());
  EXPECT_EQ(b.getXMLData(), "0AkAAA==\n");
  Data c(ORIN_A, kHandle);
  c = std::move(b);
  EXPECT_FALSE(b.isValid());
  EXPECT_EQ(c.getXMLData(), "0AkAAA==\n");
  Data const& same = c;
  c = same;  // self-assignment keeps the task
  EXPECT_EQ(c.getXMLData(), "0AkAAA==\n");
}

class NonBraxData : public testing::TestWithParam<int> {};

TEST_P(NonBraxData, BraxSettersThrowTypeMismatchAndChangeNothing) {
  Data data(static_cast<ProgrammTypes>(GetParam()), kHandle);
  std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  SignalPositions log(*widget->modelSignals());
  EXPECT_THROW_MSG(data.setBRAX_NMAT(BRAX_NMAT::Active), std::runtime_error, "Type mismatch.");
  EXPECT_THROW_MSG(data.setBRAX_PROB(BRAX_PROB::Linear), std::runtime_error, "Type mismatch.");
  EXPECT_EQ(data.getXMLData(), "AA==\n");
  EXPECT_TRUE(log.seen.empty());
  trv::logging::UILogEntryCollectorSink sink;
  data.test4upgrade(sink);
  data.upgrade();
  EXPECT_TRUE(sink.entries().empty());
  EXPECT_EQ(data.getXMLData(), "AA==\n");
  EXPECT_TRUE(log.seen.empty());
}

INSTANTIATE_TEST_SUITE_P(AllOtherTypes, NonBraxData, testing::Range(0, 11));

TEST(DataFacade, SetterEmitsModifiedPositionsOnceWithTheRecordKey) {
  Data data(BRAX_A, kHandle);
  std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  SignalPositions log(*widget->modelSignals());
  data.setBRAX_NMAT(BRAX_NMAT::Active);
  EXPECT_EQ(log.seen, (std::vector<std::string>{"modified:0", "modifiedDone:0"}));
}

TEST(DataFacade, InspectorWidgetsShareTheTaskAndOutliveIt) {
  auto data = std::make_unique<Data>(ORIN_A, kHandle);
  QWidget parent;
  auto* first = data->createPropertyInspector(&parent);
  auto* second = data->createPropertyInspector(&parent);
  EXPECT_EQ(first->parent(), &parent);
  EXPECT_EQ(first->properties(), second->properties());
  EXPECT_EQ(first->selectionManager(), second->selectionManager());
  EXPECT_EQ(first->modelSignals(), second->modelSignals());
  ASSERT_EQ(first->selectionManager()->selected.size(), 1u);
  EXPECT_EQ(boost::type_erasure::any_cast<int>(*first->selectionManager()->selected.begin()), 0);
  data->insertXMLData("{\"solv\":0}");
  auto signals = first->modelSignals();
  data.reset();
  EXPECT_EQ(signals.use_count(), 3);    // the two widgets and this test still hold it
  for (auto* widget : {first, second})  // each followed the task's change and still shows it
    EXPECT_EQ(qobject_cast<QComboBox*>(widget->editor("solv"))->currentText(),
              QStringLiteral("No solution process"));
}

TEST(DataFacade, CalculationMethodNeedsNoTask) {
  EXPECT_EQ(Data::getCalculationMethod("<o>93 1 5</o>"), 5);
  // A part reader that does not move on ends the search, rather than handing out its part for ever.
  auto stuck = [](QString const&, int position, QString const&, int* next) {
    *next = position;
    return QStringLiteral("7 1 5");
  };
  auto numbers = [](QString const&, QString const&) { return std::vector<double>{7, 1, 5}; };
  EXPECT_EQ(data::calculationMethod(QString(), stuck, numbers), -1);
}

TEST(DataFacade, EveryModuleRefusesAnUnknownKeywordLanguage) {
  for (int type = 0; type < kProgrammTypeCount; ++type) {
    SCOPED_TRACE(type);
    Data data(static_cast<ProgrammTypes>(type), kHandle);
    for (int language : {2, -1})
      EXPECT_THROW_MSG(data.getKELMAR(language), std::invalid_argument,
                       "Keyword language must be 0 (German) or 1 (English).");
  }
}

// A text of which some line does not decode fails with the codec's exception; the record and the inspector's
// signals stay untouched, nothing is reported, and the next insert works.
TEST(DataFacade, FailedInsertLeavesTheRecordAndEmitsNothing) {
  struct Row {
    char const* text;
    bool stream;  // StreamException, else CoreException
  };
  for (int type : {ORIN_B, PELU_A, NEVO_B, Zuther_A, BRAX_A}) {
    Data data(static_cast<ProgrammTypes>(type), kHandle);
    data.insertXMLData(type == BRAX_A ? "{\"cant\":3,\"cast\":true,\"version_id\":1}"
                                      : "{\"warp\":1,\"smoo\":[2],"
                                        "\"gen\":[0.5],\"lay\":1}");
    QString const before = data.getXMLData();
    std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
    SignalPositions log(*widget->modelSignals());
    trv::smartassert::clearReports();
    for (Row const& row : {Row{"cAg=", true}, Row{"AA==\ncAg=", true}, Row{" {}", true}, Row{"MwAA", false},
                           Row{"{\"warp\":1} x", false}, Row{"{}\n[]", false}}) {
      SCOPED_TRACE(row.text);
      if (row.stream)
        EXPECT_THROW(data.insertXMLData(QString::fromUtf8(row.text)), trv::serialization::StreamException);
      else
        EXPECT_THROW(data.insertXMLData(QString::fromUtf8(row.text)), trv::serialization::CoreException);
      EXPECT_EQ(data.getXMLData(), before);
    }
    EXPECT_TRUE(log.seen.empty());
    EXPECT_TRUE(trv::smartassert::reports().empty());
    data.insertXMLData("AA==");
    EXPECT_EQ(data.getXMLData(), "AA==\n");
    EXPECT_EQ(log.seen, (std::vector<std::string>{"modified:0", "modifiedDone:0"}));
    data.insertXMLData("AA==\n" + before);  // every line decodes; the first one counts
    EXPECT_EQ(data.getXMLData(), "AA==\n");
  }
}

// The report of a record stored before version 1 changes nothing; the upgrade is one modification; a current
// record is left alone.
TEST(DataFacade, UpgradeReportsOnceAndChangesTheRecordInOneModification) {
  Data data(BRAX_A, kHandle);
  data.insertXMLData("{\"cant\":\"InSystemPosition\",\"cast\":true,\"version_id\":-1}");
  std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  SignalPositions log(*widget->modelSignals());
  trv::logging::UILogEntryCollectorSink sink;
  data.test4upgrade(sink);
  ASSERT_EQ(sink.entries().size(), 1u);
  EXPECT_EQ(sink.entries().front().kind, 1);
  EXPECT_TRUE(sink.entries().front().attributes.empty() && sink.entries().front().details.empty());
  EXPECT_EQ(data.getXMLData(), "sADCBgHQDAEA\n");
  EXPECT_TRUE(log.seen.empty());
  data.upgrade();
  EXPECT_EQ(data.getXMLData(), "wgYB0AwCAA==\n");  // cast kept, cant 12 and version 1
  data.test4upgrade(sink);
  data.upgrade();
  EXPECT_EQ(sink.entries().size(), 1u);
  EXPECT_EQ(log.seen, (std::vector<std::string>{"modified:0", "modifiedDone:0"}));
  // In German the report quotes the formwork placements as the German inspector labels them (the first and
  // the last choice).
  trv::properties::chooseLabelLanguage("de_DE.UTF-8");
  Data german(BRAX_A, kHandle);
  std::unique_ptr<trv::properties::QtInspectorWidget> germanWidget(german.createPropertyInspector(nullptr));
  auto* cant = qobject_cast<QComboBox*>(germanWidget->editor("cant"));
  german.test4upgrade(sink);
  trv::properties::chooseLabelLanguage("");
  QString const report = QString::fromStdString(sink.entries().back().message);
  EXPECT_TRUE(report.startsWith(QStringLiteral("Der Standardwert")));
  for (int choice : {0, cant->count() - 1})
    EXPECT_TRUE(report.contains(QStringLiteral("„%1“").arg(cant->itemText(choice)))) << report.toStdString();
}

// The upgrade's test asked of a record alone says what upgrading a task that holds the record does.
TEST(DataFacade, UpgradePendingForARecordIsWhetherTheUpgradeChangesIt) {
  for (std::int32_t const version : {-1, 0, 1, 2}) {
    BRAX_Control_Properties record{};
    record.version_id = version;
    Data data(BRAX_A, kHandle);
    data.insertXMLData(data::encodeRecord(record));
    QString const before = data.getXMLData();
    data.upgrade();
    EXPECT_EQ(data::upgradePending(record), version < 1) << version;
    EXPECT_EQ(data::upgradePending(record), data.getXMLData() != before) << version;
  }
}

// The value of `field` set as the inspector sets it, through the property of that id.
void setThroughInspector(trv::properties::QtInspectorWidget& widget, std::string const& field,
                         boost::any value) {
  for (auto const& property : widget.properties()->list()) {
    if (property->id == field) {
      ASSERT_TRUE(property->setValue(trv::ObjectKey(0), value));
    }
  }
}

TEST(DataFacade, ResetToDefaultsInOneTransactionLeavesTheVersionAndRefusesOtherNames) {
  Data data(BRAX_A, kHandle);
  data.insertXMLData("{\"cant\":0,\"cast\":true,\"stor\":false,\"version_id\":1}");
  std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  SignalPositions log(*widget->modelSignals());
  EXPECT_THROW_MSG(data.resetToDefaults({"cast", "version_id"}), std::invalid_argument,
                   "Unknown option 'version_id'.");
  EXPECT_THROW_MSG(data.resetToDefaults({"nosuch"}), std::invalid_argument, "Unknown option 'nosuch'.");
  EXPECT_TRUE(log.seen.empty());
  data.resetToDefaults({"cast", "stor"});
  EXPECT_EQ(data.getXMLData(), "sADQDAIA\n");  // cant 0 and version 1 stay
  data.resetToDefaults();
  EXPECT_EQ(data.getXMLData(), "0AwCAA==\n");  // only version 1 stays
  EXPECT_EQ(log.seen,
            (std::vector<std::string>{"modified:0", "modifiedDone:0", "modified:0", "modifiedDone:0"}));
}

// Each inspector edit and reset is one step of a history that every widget and copy share; loading stored
// options and the construction-stage setters start it anew; at most 100 steps are kept.
TEST(DataFacade, UndoAndRedoInspectorEdits) {
  Data data(NEVO_B, kHandle);
  Data copy(data);
  std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  EXPECT_FALSE(data.canUndo() || data.canRedo());
  auto json = [&] { return data.getXMLData(); };
  QString const initial = json();
  setThroughInspector(*widget, "gen", 0.5);
  QString const half = json();
  setThroughInspector(*widget, "gen", 0.5);  // no change, no step
  copy.resetToDefaults();
  EXPECT_EQ(json(), initial);
  copy.undo();
  EXPECT_EQ(json(), half);
  EXPECT_TRUE(data.canUndo() && data.canRedo());
  data.undo();
  EXPECT_EQ(json(), initial);
  EXPECT_FALSE(data.canUndo());
  data.redo();
  EXPECT_EQ(json(), half);
  setThroughInspector(*widget, "gen", 2.0);  // a new edit drops what could be redone
  EXPECT_FALSE(data.canRedo());
  data.insertXMLData(half);
  EXPECT_FALSE(data.canUndo() || data.canRedo());
  data.undo();  // nothing to undo: nothing happens
  EXPECT_EQ(json(), half);
  for (int i = 1; i <= 101; ++i) setThroughInspector(*widget, "gen", double(i));
  for (int i = 0; i < 100; ++i) data.undo();
  EXPECT_FALSE(data.canUndo());
  EXPECT_EQ(json(), copy.getXMLData());
  EXPECT_EQ(widget->findChild<QLineEdit*>("gen")->text(), QStringLiteral("1"));  // the oldest step kept
  Data brax(BRAX_A, kHandle);
  brax.resetToDefaults({"cast"});
  brax.setBRAX_NMAT(BRAX_NMAT::Active);
  brax.undo();
  EXPECT_EQ(brax.getXMLData(), "0AkAAA==\n");
}

// The history is the task's Qt undo stack: a step per edit, named by the option's label in the label language
// (a reset as such), the edit committed once with one round of signals; loading starts it clean, the upgrade
// and the construction-stage setters anew but changed. The widget binds the undo and redo keys, except while
// an entry is typed or where the host switched them off. A step whose change fails is reported, not thrown.
TEST(DataFacade, EditHistoryOnQtsUndoStack) {
  trv::properties::chooseLabelLanguage("de_DE.UTF-8");
  trv::dbo::standin::setModel(kHandle, {true, true, true, true, true});
  Data data(ORIN_B, kHandle);
  QUndoStack* stack = data.undoStack();
  EXPECT_EQ(Data(data).undoStack(), stack);
  std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  widget->show();
  QApplication::setActiveWindow(widget.get());
  widget->editor("warp")->setFocus();
  EXPECT_EQ(widget->property("trv_undoStack").value<QPointer<QUndoStack>>(), stack);
  SignalPositions log(*widget->modelSignals());
  setThroughInspector(*widget, "warp", ORIN_WARP::Active);
  EXPECT_EQ(log.seen, (std::vector<std::string>{"modified:0", "modifiedDone:0"}));
  EXPECT_EQ(stack->undoText(), QStringLiteral("Wölbkrafttorsion"));
  EXPECT_FALSE(stack->isClean());
  data.resetToDefaults({"warp"});
  EXPECT_EQ(stack->undoText(), QStringLiteral("Auf Standardwerte zurücksetzen"));
  QTest::keyClick(widget->editor("warp"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(data.getXMLData(), "MAIA\n");
  QTest::keyClick(widget->editor("warp"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(widget->editor("warp"), Qt::Key_Y, Qt::ControlModifier);  // nothing more to redo
  EXPECT_EQ(data.getXMLData(), "AA==\n");
  auto* typed = widget->findChild<QLineEdit*>("cabl");
  typed->setFocus();
  QTest::keyClicks(typed, "7");
  QTest::keyClick(typed, Qt::Key_Z, Qt::ControlModifier);  // the entry's own undo
  EXPECT_EQ(stack->index(), 2);
  QTest::keyClick(typed, Qt::Key_Escape);
  QTest::keyClick(typed, Qt::Key_Z, Qt::ControlModifier);  // nothing typed: the task's
  EXPECT_EQ(stack->index(), 1);
  widget->setProperty("trv_undoShortcuts", false);
  QTest::keyClick(widget->editor("warp"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(stack->index(), 1);
  data.insertXMLData("MAIA\n");
  EXPECT_TRUE(stack->isClean() && stack->count() == 0);
  Data brax(BRAX_A, kHandle);
  brax.upgrade();
  EXPECT_FALSE(brax.undoStack()->isClean());
  brax.insertXMLData("AA==\n");
  EXPECT_TRUE(brax.undoStack()->isClean());  // as stored, also when the history had no step
  brax.setBRAX_PROB(BRAX_PROB::Linear);
  EXPECT_TRUE(!brax.undoStack()->isClean() && !brax.canUndo());
  trv::properties::chooseLabelLanguage("");
  auto module = data::createModule(ORIN_B, kHandle);
  module->resetToDefaults({});  // no change, no step
  EXPECT_EQ(module->existingUndoStack(), nullptr);
  module->insertXMLData("MAIA\n");
  module->resetToDefaults({});
  trv::smartassert::clearReports();
  {
    trv::container::model::Transaction open(*module->model);
    module->undoStack().undo();
    EXPECT_THROW(module->insertXMLData("MAIA\n"), std::runtime_error);  // the history kept as it was
  }
  ASSERT_EQ(trv::smartassert::reports().size(), 1u);
  EXPECT_EQ(trv::smartassert::reports()[0].file + ':' + std::to_string(trv::smartassert::reports()[0].line),
            "lib/properties/control_param/src/record_step:0");
  EXPECT_EQ(module->getXMLData(), "AA==\n");
  EXPECT_EQ(module->undoStack().count(), 1);
}

TEST(ModuleData, AsksTheModelQueriesOnceEachAndKeepsTheAnswers) {
  trv::dbo::standin::setModel(77, {true, false, true, false, true});
  int const before = trv::dbo::standin::queryCount();
  auto module = data::createModule(PELU_A, 77);
  EXPECT_EQ(trv::dbo::standin::queryCount() - before, 5);
  auto const& c = module->modelContent;
  EXPECT_EQ((std::vector<bool>{c.hasQuads, c.hasBrics, c.hasBeams, c.hasCables, c.hasSprings}),
            (std::vector<bool>{true, false, true, false, true}));
  trv::dbo::standin::clearModels();
}

TEST(ModuleData, ForwardsModelChangesToTheInspectorSignalsInOrder) {
  using trv::container::model::Transaction;
  auto module = data::createModule(NEVO_B, 0);
  auto& configuration = *module->configuration;
  SignalPositions positions(*configuration.signals);
  int selectionChanges = 0;
  configuration.selectionManager->changed.connect([&] { ++selectionChanges; });
  {
    Transaction t(*module->model);
    t.insert(trv::ObjectKey(1), 1);
    t.insert(trv::ObjectKey(2), 2);
    t.commit();
  }
  configuration.selectionManager->selected.insert(trv::ObjectKey(2));
  {
    Transaction t(*module->model);
    t.get<NEVO_Control_Properties>(data::RecordKey).modify().gen = 0.5;
    t.get<int>(trv::ObjectKey(1)).modify() = 3;
    t.commit();
  }
  {
    Transaction t(*module->model);
    t.erase(trv::ObjectKey(2));
    t.erase(trv::ObjectKey(1));
    t.commit();
  }
  EXPECT_EQ(positions.seen,
            (std::vector<std::string>{"inserted:1", "insertedDone:1", "inserted:2", "insertedDone:2",
                                      "modified:0", "modifiedDone:0", "modified:1", "modifiedDone:1",
                                      "aboutToEraseAll:[2,1,]", "aboutToErase:2", "aboutToErase:1",
                                      "erasedAll:[2,1,]", "erased:2", "erased:1"}));
  EXPECT_EQ(selectionChanges, 1);
  ASSERT_EQ(configuration.selectionManager->selected.size(), 1u);
  EXPECT_EQ(boost::type_erasure::any_cast<int>(*configuration.selectionManager->selected.begin()), 0);
}

TEST(ModuleData, DestructionDisconnectsWithoutSignals) {
  auto module = data::createModule(ORIN_A, 0);
  auto configuration = module->configuration;
  SignalPositions positions(*configuration->signals);
  module.reset();
  EXPECT_TRUE(positions.seen.empty());
  EXPECT_EQ(configuration.use_count(), 1);  // the handlers let go of it
}

}  // namespace
