// The exported facade: factory, sharing, copy and move, the construction-stage setters, empty objects.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include <QWidget>

#include <boost/type_erasure/any_cast.hpp>

#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "tests/unit/signal_positions.h"

namespace {

using namespace trv::control_param;

constexpr int kHandle = 4711;

void expectLogicError(std::function<void()> const& call) {
  try {
    call();
    FAIL() << "expected std::logic_error";
  } catch (std::logic_error const& error) {
    EXPECT_STREQ(error.what(), "Empty control-parameter data.");
  }
}

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
  expectLogicError([&] { empty.getXMLData(); });
  expectLogicError([&] { empty.insertXMLData("AA==\n"); });
  expectLogicError([&] { empty.getKELMAR(0); });
  expectLogicError([&] { empty.setBRAX_NMAT(BRAX_NMAT::Active); });
  expectLogicError([&] { empty.setBRAX_PROB(BRAX_PROB::Linear); });
  expectLogicError([&] { empty.test4upgrade(sink); });
  expectLogicError([&] { empty.upgrade(); });
  expectLogicError([&] { empty.createPropertyInspector(nullptr); });
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
  c = c;  // self-assignment keeps the task
  EXPECT_EQ(c.getXMLData(), "0AkAAA==\n");
}

class NonBraxData : public testing::TestWithParam<int> {};

TEST_P(NonBraxData, BraxSettersThrowTypeMismatchAndChangeNothing) {
  Data data(static_cast<ProgrammTypes>(GetParam()), kHandle);
  std::unique_ptr<trv::properties::QtInspectorWidget> widget(data.createPropertyInspector(nullptr));
  SignalPositions log(*widget->modelSignals());
  for (auto const& set : std::vector<std::function<void()>>{[&] { data.setBRAX_NMAT(BRAX_NMAT::Active); },
                                                             [&] { data.setBRAX_PROB(BRAX_PROB::Linear); }}) {
    try {
      set();
      FAIL() << "expected Type mismatch.";
    } catch (std::runtime_error const& error) {
      EXPECT_STREQ(error.what(), "Type mismatch.");
    }
  }
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
  EXPECT_EQ(log.seen, (std::vector<std::string>{"2:0", "3:0"}));
}

TEST(DataFacade, InspectorWidgetsShareTheTaskAndOutliveIt) {
  auto data = std::make_unique<Data>(ORIN_A, kHandle);
  QWidget parent;
  auto* first = data->createPropertyInspector(&parent);
  auto* second = data->createPropertyInspector(&parent);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->parent(), &parent);
  EXPECT_EQ(first->properties(), second->properties());
  EXPECT_EQ(first->selectionManager(), second->selectionManager());
  EXPECT_EQ(first->modelSignals(), second->modelSignals());
  ASSERT_EQ(first->selectionManager()->selected.size(), 1u);
  EXPECT_EQ(boost::type_erasure::any_cast<int>(*first->selectionManager()->selected.begin()), 0);
  auto signals = first->modelSignals();
  data.reset();
  EXPECT_EQ(signals.use_count(), 3);  // the two widgets and this test still hold it
}

TEST(DataFacade, CalculationMethodNeedsNoTask) { EXPECT_EQ(Data::getCalculationMethod(""), -1); }

}  // namespace
