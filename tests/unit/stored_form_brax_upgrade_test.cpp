// The upgrade of construction-stage records stored before version 1: the report and the record change.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "container/model/Transaction.h"
#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/module_data.h"

namespace {

using namespace trv::control_param;

std::string const kMessage =
    "The default for Formwork placement has been changed from 'In System Position' to 'Add nodes separate "
    "tangentially'.\nPlease verify the control options in the construction stage manager task.";

// A sink that also counts how the library calls it.
class CountingSink : public trv::logging::UILogEntryCollectorSink {
 public:
  void clear() override { ++clears; }
  void consume(trv::logging::UILogEntry& entry) override {
    ++consumes;
    UILogEntryCollectorSink::consume(entry);
  }
  int clears = 0;
  int consumes = 0;
};

struct UpgradeCase {
  int versionId;
  int cant;
  bool upgrades;
};

class BraxUpgrade : public testing::TestWithParam<UpgradeCase> {};

TEST_P(BraxUpgrade, ReportsAndUpgradesRecordsBeforeVersion1) {
  auto module = data::createModule(BRAX_A, 0);
  auto& brax = static_cast<data::BraxData&>(*module);
  brax.changeRecord([](BRAX_Control_Properties& record) {
    record.version_id = GetParam().versionId;
    record.cant = static_cast<BRAX_CANT>(GetParam().cant);
  });
  BRAX_Control_Properties const before = brax.record();
  std::vector<QString> const kelmarBefore = brax.getKELMAR(1);
  int modifications = 0;
  boost::signals2::scoped_connection counted =
      module->model->modified.connect([&](std::vector<trv::ObjectKey> const&) { ++modifications; });

  CountingSink sink;
  brax.test4upgrade(sink);
  EXPECT_TRUE(brax.record() == before);  // the report changes nothing
  EXPECT_EQ(brax.getKELMAR(1), kelmarBefore);
  EXPECT_EQ(modifications, 0);
  EXPECT_EQ(sink.clears, 0);
  if (!GetParam().upgrades) {
    EXPECT_EQ(sink.consumes, 0);
    brax.upgrade();
    EXPECT_TRUE(brax.record() == before);
    EXPECT_EQ(modifications, 0);
    return;
  }
  ASSERT_EQ(sink.consumes, 1);
  auto const& entry = sink.entries().front();
  EXPECT_EQ(entry.kind, 1);
  EXPECT_EQ(entry.message, kMessage);
  EXPECT_TRUE(entry.attributes.empty());
  EXPECT_TRUE(entry.details.empty());

  brax.upgrade();
  EXPECT_EQ(brax.record().cant, BRAX_CANT::AddNodesSeparateTangentially);
  EXPECT_EQ(brax.record().version_id, 1);
  EXPECT_EQ(modifications, 1);  // one transaction
  BRAX_Control_Properties expected = before;
  expected.cant = BRAX_CANT::AddNodesSeparateTangentially;
  expected.version_id = 1;
  EXPECT_TRUE(brax.record() == expected);

  // Current now: neither operation does anything more.
  brax.test4upgrade(sink);
  brax.upgrade();
  EXPECT_EQ(sink.consumes, 1);
  EXPECT_EQ(modifications, 1);
}

INSTANTIATE_TEST_SUITE_P(States, BraxUpgrade,
                         testing::Values(UpgradeCase{0, 0, true}, UpgradeCase{0, 1, true},
                                         UpgradeCase{0, 12, true}, UpgradeCase{0, 77, true},
                                         UpgradeCase{-1, 2, true}, UpgradeCase{-2147483647 - 1, 11, true},
                                         UpgradeCase{1, 0, false}, UpgradeCase{2, 1, false},
                                         UpgradeCase{2147483647, 0, false}));

TEST(BraxUpgradeFacade, StoredOldRecordIsUpgradedThroughTheFacade) {
  Data data(BRAX_A, 0);
  data.insertXMLData("sAAA\n");  // cant 0 written explicitly, version_id 0
  trv::logging::UILogEntryCollectorSink sink;
  data.test4upgrade(sink);
  ASSERT_EQ(sink.entries().size(), 1u);
  EXPECT_EQ(sink.entries().front().message, kMessage);
  data.upgrade();
  EXPECT_EQ(data.getXMLData(), "0AwCAA==\n");  // cant back at its default 12, version_id 1
  data.upgrade();
  EXPECT_EQ(data.getXMLData(), "0AwCAA==\n");
}

TEST(BraxUpgradeFacade, UpgradeInsideAnOpenTransactionIsRefusedAndChangesNothing) {
  auto module = data::createModule(BRAX_A, 0);
  auto& brax = static_cast<data::BraxData&>(*module);
  brax.changeRecord([](BRAX_Control_Properties& record) { record.cant = BRAX_CANT::InSystemPosition; });
  {
    trv::container::model::Transaction open(*module->model);
    EXPECT_THROW(brax.upgrade(), std::runtime_error);
  }
  EXPECT_EQ(brax.record().cant, BRAX_CANT::InSystemPosition);
  EXPECT_EQ(brax.record().version_id, 0);
}

}  // namespace
