// getXMLData / insertXMLData of every module: the stored text, the multi-line rules, the empty-text
// report, and failures that leave the record and the signals untouched.

#include <gtest/gtest.h>

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "container/model/Transaction.h"
#include "host/trv_assert/SmartAssert.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/module_data.h"
#include "lib/properties/control_param/src/program_records.h"
#include "serialization/errors.h"
#include "tests/unit/stored_form_test_support.h"

namespace {

using namespace trv::control_param;
using namespace trv::stored_form_test;
using trv::serialization::CoreException;
using trv::serialization::StreamException;

// A task of the module that keeps `Record`, with a log of every signal its model and inspector emit.
template <typename Record>
struct Task {
  Task() {
    for (int type = 0; type < kProgrammTypeCount && !module; ++type) {
      visitRecordType(static_cast<ProgrammTypes>(type), [&](auto tag) {
        if constexpr (std::is_same_v<typename decltype(tag)::type, Record>)
          module = data::createModule(static_cast<ProgrammTypes>(type), 0);
      });
    }
    auto& s = *module->configuration->signals;
    auto one = [this](char const* name) {
      return [this, name](trv::ObjectKey const&) { log.push_back(name); };
    };
    auto all = [this](char const* name) {
      return [this, name](std::vector<trv::ObjectKey> const&) { log.push_back(name); };
    };
    for (auto&& connection :
         {s.inserted.connect(one("inserted")), s.insertedDone.connect(one("insertedDone")),
          s.modified.connect(one("modified")), s.modifiedDone.connect(one("modifiedDone")),
          s.aboutToErase.connect(one("aboutToErase")), s.erased.connect(one("erased")),
          s.erasedAll.connect(all("erasedAll")), s.aboutToEraseAll.connect(all("aboutToEraseAll")),
          module->model->inserted.connect(all("model.inserted")),
          module->model->modified.connect(all("model.modified")),
          module->model->erased.connect(all("model.erased")),
          module->model->aboutToErase.connect(all("model.aboutToErase"))})
      connections.emplace_back(connection);
  }

  data::ModuleData<Record>& data() { return static_cast<data::ModuleData<Record>&>(*module); }
  Record const& record() { return data().record(); }
  void set(Record const& value) {
    data().changeRecord([&](Record& r) { r = value; });
    log.clear();
  }

  std::shared_ptr<data::InternalInterface> module;
  std::vector<std::string> log;
  std::vector<boost::signals2::scoped_connection> connections;
};

// The inspector's signals come from the module's own handler, connected before the test's.
std::vector<std::string> const kModifiedOnce{"modified", "modifiedDone", "model.modified"};

template <typename Record>
class StoredForm : public testing::Test {};
using Records = testing::Types<ORIN_Control_Properties, PELU_Control_Properties, NEVO_Control_Properties,
                               Zuther_Control_Properties, BRAX_Control_Properties>;
TYPED_TEST_SUITE(StoredForm, Records);

template <typename Record>
QString textOf(Record const& record) {
  return data::encodeRecord(record);
}

TYPED_TEST(StoredForm, NewTaskStoresTheStopMarkerAloneWhichReadsAsTheDefaults) {
  Task<TypeParam> task;
  EXPECT_EQ(task.module->getXMLData(), "AA==\n");
  task.set(changedRecord<TypeParam>());
  task.module->insertXMLData("AA==\n");
  EXPECT_TRUE(task.record() == TypeParam{});
}

TYPED_TEST(StoredForm, InsertingItsOwnTextKeepsTheRecordAndAnnouncesOneModification) {
  Task<TypeParam> task;
  task.set(changedRecord<TypeParam>());
  QString const text = task.module->getXMLData();
  EXPECT_TRUE(text.endsWith("\n"));
  EXPECT_EQ(text.count('\n'), 1);
  task.module->insertXMLData(text);
  EXPECT_TRUE(task.record() == changedRecord<TypeParam>());
  EXPECT_EQ(task.log, kModifiedOnce);
  EXPECT_EQ(task.module->getXMLData(), text);
}

TYPED_TEST(StoredForm, EmptyTextIsReportedAndResetsToTheDefaults) {
  Task<TypeParam> task;
  task.set(changedRecord<TypeParam>());
  trv::smartassert::clearReports();
  task.module->insertXMLData(QString());
  ASSERT_EQ(trv::smartassert::reports().size(), 1u);
  auto const& report = trv::smartassert::reports().front();
  EXPECT_EQ(report.condition, "!xml_string.isEmpty()");
  EXPECT_EQ(report.file, "lib/properties/control_param/src/internal_data");
  EXPECT_EQ(report.line, 42);
  EXPECT_EQ(report.message, "");
  EXPECT_TRUE(task.record() == TypeParam{});
  EXPECT_EQ(task.log, kModifiedOnce);
}

TYPED_TEST(StoredForm, OnlyTheFirstLineIsStoredAndEmptyLinesAreSkipped) {
  Task<TypeParam> task;
  TypeParam const changed = changedRecord<TypeParam>();
  task.module->insertXMLData(textOf(changed) + textOf(TypeParam{}));
  EXPECT_TRUE(task.record() == changed);
  task.module->insertXMLData(textOf(TypeParam{}) + textOf(changed));
  EXPECT_TRUE(task.record() == TypeParam{});
  task.set(TypeParam{});
  task.module->insertXMLData("\n\n" + textOf(changed));  // two line feeds, the line and its line feed
  EXPECT_TRUE(task.record() == changed);
  EXPECT_EQ(task.log, kModifiedOnce);
  task.module->insertXMLData("\n");  // no line at all: the defaults, without a report
  EXPECT_TRUE(task.record() == TypeParam{});
}

TYPED_TEST(StoredForm, JsonLinesAreReadWhenTheTextStartsWithABrace) {
  Task<TypeParam> task;
  TypeParam const changed = changedRecord<TypeParam>();
  QString const json = QString::fromStdString(jsonOf(changed));
  task.module->insertXMLData(json);
  EXPECT_TRUE(task.record() == changed);
  task.module->insertXMLData("{}\n" + json + "\n\n");
  EXPECT_TRUE(task.record() == TypeParam{});
  task.module->insertXMLData(json + "\n{}");
  EXPECT_TRUE(task.record() == changed);
}

// Texts of which some line does not decode: the call fails, the record and the signals stay untouched.
struct BadText {
  char const* text;
  bool stream;  // StreamException, else CoreException
};
BadText const kBadTexts[] = {
    {"cAg=", true},                // no stop byte
    {"AQ==", true},                // stop-base marker alone
    {"-_-_", true},                // nothing decodes: no byte at all
    {"yw4IAQ==", true},            // list header without its element
    {"AA==\ncAg=", true},          // a good first line does not excuse a bad second one
    {"AA==\n{\"a\":1}", true},     // a Base64 text's later line is Base64 too
    {" {}", true},                 // a blank before "{" means Base64
    {"MwAA", false},               // undefined wire type
    {"{", false},                  // JSON cut off
    {"{\"warp\":1} x", false},     // text after the object
    {"{}\nAA==", false},           // a JSON text's later line is JSON too
    {"{\"warp\":\n1}", false},     // an object spread over two lines
    {"{\"gen\":[1e400]}", false},  // a number beyond double
    {"{}\n[]", false},             // a root that is no object
    {"[]", true},                  // read as Base64: no byte at all
};

TYPED_TEST(StoredForm, FailedInsertLeavesRecordAndSignalsUntouched) {
  Task<TypeParam> task;
  TypeParam const changed = changedRecord<TypeParam>();
  task.set(changed);
  trv::smartassert::clearReports();
  for (BadText const& bad : kBadTexts) {
    SCOPED_TRACE(bad.text);
    if (bad.stream)
      EXPECT_THROW(task.module->insertXMLData(QString::fromUtf8(bad.text)), StreamException);
    else
      EXPECT_THROW(task.module->insertXMLData(QString::fromUtf8(bad.text)), CoreException);
    EXPECT_TRUE(task.record() == changed);
    EXPECT_TRUE(task.log.empty());
  }
  EXPECT_TRUE(trv::smartassert::reports().empty());
  // The model takes the next transaction as before.
  task.module->insertXMLData("AA==");
  EXPECT_TRUE(task.record() == TypeParam{});
}

TYPED_TEST(StoredForm, InsertInsideAnOpenTransactionIsRefused) {
  Task<TypeParam> task;
  trv::container::model::Transaction open(*task.module->model);
  try {
    task.module->insertXMLData(textOf(changedRecord<TypeParam>()));
    FAIL() << "expected a refusal";
  } catch (std::runtime_error const& error) {
    EXPECT_STREQ(error.what(),
                 "Transaction in progress. Hierarchical transactions not supported (yet). Should we?");
  }
  EXPECT_TRUE(task.record() == TypeParam{});
}

TEST(StoredFormFacade, CodecErrorsReachTheHostByType) {
  Data data(ORIN_A, 0);
  data.insertXMLData("MAIA\n");  // warp Active
  EXPECT_EQ(data.getXMLData(), "MAIA\n");
  try {
    data.insertXMLData("MAI=");
    FAIL() << "expected a StreamException";
  } catch (trv::serialization::StreamException const& error) {
    EXPECT_STREQ(error.what(), "Read out of bounds: 1 bytes requested, offset: 2, length: 2");
  }
  try {
    data.insertXMLData("{\"warp\":");
    FAIL() << "expected a CoreException";
  } catch (trv::serialization::CoreException const& error) {
    EXPECT_STREQ(error.what(), "JSON parser error: Invalid value. at offset 8");
  }
  EXPECT_EQ(data.getXMLData(), "MAIA\n");
}

}  // namespace
