// The object store: lookups, transactions, handles, commit and rollback, and what each announces.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <boost/type_erasure/any_cast.hpp>

#include "container/model/Transaction.h"
#include "host/trv_assert/SmartAssert.h"
#include "tests/unit/expect_throw_msg.h"

namespace {

using trv::container::model::Model;
using trv::container::model::ObjectKey;
using trv::container::model::Transaction;

struct Record {
  int value = 0;
  std::string text;
};

// Every announcement of a model, as "signal:key,key" in order of emission.
struct SignalLog {
  explicit SignalLog(Model& model) {
    auto record = [this](char const* name) {
      return [this, name](std::vector<ObjectKey> const& keys) {
        std::string entry = std::string(name) + ':';
        for (auto const& key : keys) entry += std::to_string(boost::type_erasure::any_cast<int>(key)) + ',';
        entries.push_back(entry);
      };
    };
    model.aboutToErase.connect(record("aboutToErase"));
    model.inserted.connect(record("inserted"));
    model.modified.connect(record("modified"));
    model.erased.connect(record("erased"));
  }
  std::vector<std::string> entries;
};

void insertRecord(Model& model, int key, int value) {
  Transaction transaction(model);
  transaction.insert(ObjectKey(key), Record{value, "initial"});
  transaction.commit();
}

TEST(ModelLookup, ReportsUnknownKeyBeforeTypeMismatch) {
  Model model;
  insertRecord(model, 0, 5);
  EXPECT_THROW_MSG(model.get<Record>(ObjectKey(1)), std::runtime_error, "Unknown key.");
  EXPECT_THROW_MSG(model.get<int>(ObjectKey(0)), std::runtime_error, "Type mismatch.");
  EXPECT_THROW_MSG(model.get<int>(ObjectKey(7)), std::runtime_error, "Unknown key.");
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 5);
}

TEST(ModelLookup, KeysOfDifferentTypesAreDifferentKeys) {
  Model model;
  insertRecord(model, 0, 5);
  EXPECT_THROW_MSG(model.get<Record>(ObjectKey(0L)), std::runtime_error, "Unknown key.");
  Transaction transaction(model);
  transaction.insert(ObjectKey(std::string("0")), Record{6, ""});
  transaction.commit();
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 5);
  EXPECT_EQ(model.get<Record>(ObjectKey(std::string("0"))).value, 6);
}

TEST(ModelTransaction, SecondTransactionFailsAndFirstStaysUsable) {
  Model model;
  insertRecord(model, 0, 1);
  SignalLog log(model);
  Transaction first(model);
  EXPECT_THROW_MSG(Transaction second(model), std::runtime_error,
                   "Transaction in progress. Hierarchical transactions not supported (yet). Should we?");
  first.get<Record>(ObjectKey(0)).modify().value = 2;
  first.commit();
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 2);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"modified:0,"}));
  Transaction next(model);  // a new one can be opened after the commit
}

TEST(ModelTransaction, ACommittedTransactionGoingAwayLeavesTheNextOneOpen) {
  Model model;
  auto first = std::make_unique<Transaction>(model);
  first->commit();
  Transaction second(model);
  first.reset();
  EXPECT_EQ(model.current(), &second);
}

TEST(ModelTransaction, RollbackRestoresValueFromBeforeFirstModifyAndEmitsNothing) {
  Model model;
  insertRecord(model, 0, 1);
  SignalLog log(model);
  {
    Transaction transaction(model);
    auto handle = transaction.get<Record>(ObjectKey(0));
    handle.modify().value = 2;
    handle.modify().text = "changed";
    transaction.get<Record>(ObjectKey(0)).modify().value = 3;
  }
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 1);
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).text, "initial");
  EXPECT_TRUE(log.entries.empty());
  EXPECT_EQ(model.current(), nullptr);
}

TEST(ModelTransaction, RollbackRemovesInsertedObjects) {
  Model model;
  {
    Transaction transaction(model);
    transaction.insert(ObjectKey(3), Record{3, ""}).modify().value = 4;
    EXPECT_EQ(model.get<Record>(ObjectKey(3)).value, 4);  // visible before the commit
  }
  EXPECT_FALSE(model.contains(ObjectKey(3)));
}

TEST(ModelTransaction, InsertThenModifyIsReportedAsInsertedOnly) {
  Model model;
  SignalLog log(model);
  Transaction transaction(model);
  transaction.insert(ObjectKey(0), Record{1, ""}).modify().value = 2;
  transaction.get<Record>(ObjectKey(0)).modify().value = 3;
  transaction.commit();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"inserted:0,"}));
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 3);
}

TEST(ModelTransaction, CommitWithoutChangesEmitsNothing) {
  Model model;
  insertRecord(model, 0, 1);
  SignalLog log(model);
  Transaction transaction(model);
  transaction.get<Record>(ObjectKey(0));
  transaction.commit();
  EXPECT_TRUE(log.entries.empty());
}

TEST(ModelTransaction, InsertUnderExistingKeyFailsAndKeepsTheObject) {
  Model model;
  insertRecord(model, 0, 1);
  SignalLog log(model);
  Transaction transaction(model);
  EXPECT_THROW_MSG(transaction.insert(ObjectKey(0), Record{9, "other"}), std::runtime_error,
                   "Key already exists.");
  transaction.commit();
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 1);
  EXPECT_TRUE(log.entries.empty());
}

TEST(ModelHandle, ModifyOutsideTransactionFails) {
  Model model;
  insertRecord(model, 0, 1);
  Transaction transaction(model);
  auto handle = transaction.get<Record>(ObjectKey(0));
  transaction.commit();
  EXPECT_THROW_MSG(handle.modify(), std::runtime_error, "modify() may only be called within a transaction.");
}

TEST(ModelCommit, ListsEachKindInOrderOfAddition) {
  Model model;
  insertRecord(model, 1, 1);
  insertRecord(model, 2, 2);
  insertRecord(model, 3, 3);
  SignalLog log(model);
  Transaction transaction(model);
  transaction.get<Record>(ObjectKey(3)).modify().value = 30;
  transaction.insert(ObjectKey(5), Record{});
  transaction.erase(ObjectKey(2));
  transaction.get<Record>(ObjectKey(1)).modify().value = 10;
  transaction.insert(ObjectKey(4), Record{});
  transaction.erase(ObjectKey(1));
  transaction.commit();
  EXPECT_EQ(log.entries,
            (std::vector<std::string>{"aboutToErase:2,1,", "inserted:5,4,", "modified:3,", "erased:2,1,"}));
}

TEST(ModelErase, AnnouncesBeforeAndAfterRemoval) {
  Model model;
  insertRecord(model, 0, 7);
  std::vector<std::string> seen;
  model.aboutToErase.connect(
      [&](auto const&) { seen.push_back("about:" + std::to_string(model.get<Record>(ObjectKey(0)).value)); });
  model.erased.connect(
      [&](auto const&) { seen.push_back(model.contains(ObjectKey(0)) ? "present" : "gone"); });
  Transaction transaction(model);
  auto handle = transaction.get<Record>(ObjectKey(0));
  transaction.erase(ObjectKey(0));
  EXPECT_TRUE(model.contains(ObjectKey(0)));  // removed only at commit
  EXPECT_THROW_MSG(handle.modify(), std::runtime_error, "Trying to access erased object.");
  EXPECT_THROW_MSG(transaction.erase(ObjectKey(0)), std::runtime_error, "Trying to access erased object.");
  transaction.commit();
  EXPECT_EQ(seen, (std::vector<std::string>{"about:7", "gone"}));
  Transaction later(model);
  EXPECT_THROW_MSG(handle.modify(), std::runtime_error, "Trying to access expired object.");
  EXPECT_THROW_MSG(later.erase(ObjectKey(0)), std::runtime_error, "Unknown key.");
}

TEST(ModelErase, RollbackKeepsTheObjectAndUndoesEarlierModification) {
  Model model;
  insertRecord(model, 0, 7);
  SignalLog log(model);
  {
    Transaction transaction(model);
    transaction.get<Record>(ObjectKey(0)).modify().value = 8;
    transaction.erase(ObjectKey(0));
  }
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 7);
  EXPECT_TRUE(log.entries.empty());
}

TEST(ModelErase, ObjectInsertedAndErasedInOneTransactionLeavesNoTrace) {
  Model model;
  SignalLog log(model);
  Transaction transaction(model);
  auto handle = transaction.insert(ObjectKey(0), Record{});
  transaction.insert(ObjectKey(1), Record{});
  transaction.erase(ObjectKey(0));
  EXPECT_THROW_MSG(handle.modify(), std::runtime_error, "Trying to access expired object.");
  transaction.commit();
  EXPECT_FALSE(model.contains(ObjectKey(0)));
  EXPECT_EQ(log.entries, (std::vector<std::string>{"inserted:1,"}));
}

TEST(ModelErase, ErasingAnInsertedObjectKeepsTheOthersInOrder) {
  Model model;
  SignalLog log(model);
  Transaction transaction(model);
  for (int key : {0, 1, 2, 3}) transaction.insert(ObjectKey(key), Record{key, ""});
  transaction.erase(ObjectKey(2));
  transaction.erase(ObjectKey(1));
  transaction.get<Record>(ObjectKey(3)).modify().value = 30;
  transaction.commit();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"inserted:0,3,"}));
  EXPECT_EQ(model.get<Record>(ObjectKey(3)).value, 30);
}

// A record whose copy assignment fails while it holds `failingValue`, as a restore on rollback may.
struct Fragile {
  static inline int failingValue = -1;
  int value = 0;
  Fragile(int v) : value(v) {}
  Fragile(Fragile const&) = default;
  Fragile& operator=(Fragile const& other) {
    if (value == failingValue) throw std::runtime_error("copy failed");
    value = other.value;
    return *this;
  }
};

TEST(ModelTransaction, RollbackRestoresEveryOtherEntryPastAFailingRestoreAndReportsIt) {
  Model model;
  for (int key : {0, 1, 2}) {
    Transaction transaction(model);
    transaction.insert(ObjectKey(key), Fragile(key));
    transaction.commit();
  }
  trv::smartassert::clearReports();
  Fragile::failingValue = 11;
  {
    Transaction transaction(model);
    for (int key : {0, 1, 2}) transaction.get<Fragile>(ObjectKey(key)).modify().value = 10 + key;
    transaction.insert(ObjectKey(3), Fragile(3));
  }
  Fragile::failingValue = -1;
  EXPECT_EQ(model.get<Fragile>(ObjectKey(0)).value, 0);
  EXPECT_EQ(model.get<Fragile>(ObjectKey(1)).value, 11);
  EXPECT_EQ(model.get<Fragile>(ObjectKey(2)).value, 2);
  EXPECT_FALSE(model.contains(ObjectKey(3)));
  EXPECT_EQ(model.current(), nullptr);
  ASSERT_EQ(trv::smartassert::reports().size(), 1u);
  auto const& report = trv::smartassert::reports()[0];
  EXPECT_EQ(report.condition, "Restoring an object on rollback failed.");
  EXPECT_EQ(report.file + ':' + std::to_string(report.line), "container/model/Transaction:14");
  EXPECT_EQ(report.message, "copy failed");
}

TEST(ModelSignals, SlotsMayOpenANewTransaction) {
  Model model;
  insertRecord(model, 0, 1);
  int nested = 0;
  model.modified.connect([&](auto const&) {
    if (nested++) return;
    Transaction again(model);
    again.get<Record>(ObjectKey(0)).modify().value += 100;
    again.commit();
  });
  Transaction transaction(model);
  transaction.get<Record>(ObjectKey(0)).modify().value = 2;
  transaction.commit();
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 102);
}

}  // namespace
