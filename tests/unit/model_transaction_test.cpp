// The object store: lookups, transactions, handles, commit and rollback, and what each announces.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
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

// A second transaction fails while the first is open; after its commit the next one opens and stays open
// when the first goes away.
TEST(ModelTransaction, SecondTransactionFailsAndFirstStaysUsable) {
  Model model;
  insertRecord(model, 0, 1);
  SignalLog log(model);
  auto first = std::make_unique<Transaction>(model);
  EXPECT_THROW_MSG(Transaction second(model), std::runtime_error,
                   "Transaction in progress. Hierarchical transactions not supported (yet). Should we?");
  first->get<Record>(ObjectKey(0)).modify().value = 2;
  first->commit();
  EXPECT_EQ(model.get<Record>(ObjectKey(0)).value, 2);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"modified:0,"}));
  Transaction next(model);
  first.reset();
  EXPECT_EQ(model.current(), &next);
}

// One transaction on a model holding records 0, 1 and 2 (value = key): whether it commits, what the model
// announces, the values of keys 0..6 after it (-1: absent) and what it does.
struct Case {
  char const* name;
  bool commit;
  std::vector<std::string> announced;
  std::vector<int> values;
  std::function<void(Model&, Transaction&)> body;
};

TEST(ModelTransaction, EachCaseAnnouncesAndLeavesItsValues) {
  auto modify = [](Transaction& t, int key) -> Record& { return t.get<Record>(ObjectKey(key)).modify(); };
  auto insert = [](Transaction& t, int key) { return t.insert(ObjectKey(key), Record{key, ""}); };
  std::vector<int> const kept{0, 1, 2, -1, -1, -1, -1};
  char const* const kOutside = "modify() may only be called within a transaction.";
  // clang-format off
  Case const cases[] = {
      {"rollback restores the value from before the first modify", false, {}, kept,
       [&](Model&, Transaction& t) {
         auto handle = t.get<Record>(ObjectKey(0));
         handle.modify().value = 5, handle.modify().text = "changed", modify(t, 0).value = 6; }},
      {"rollback removes inserted objects, visible before", false, {}, kept, [&](Model& m, Transaction& t) {
         insert(t, 3).modify().value = 4;
         EXPECT_EQ(m.get<Record>(ObjectKey(3)).value, 4); }},
      {"rollback keeps an erased object and undoes its modification", false, {}, kept,
       [&](Model&, Transaction& t) { modify(t, 0).value = 8, t.erase(ObjectKey(0)); }},
      {"inserted and modified is announced as inserted", true, {"inserted:3,"}, {0, 1, 2, 31, -1, -1, -1},
       [&](Model&, Transaction& t) { insert(t, 3).modify().value = 30, modify(t, 3).value = 31; }},
      {"no change, nothing announced", true, {}, kept,
       [](Model&, Transaction& t) { t.get<Record>(ObjectKey(0)); }},
      {"an existing key is refused", true, {}, kept, [](Model&, Transaction& t) {
         EXPECT_THROW_MSG(t.insert(ObjectKey(0), Record{}), std::runtime_error, "Key already exists."); }},
      {"a handle outlives its transaction, not its writing", false, {}, kept, [&](Model&, Transaction& t) {
         auto handle = t.get<Record>(ObjectKey(0));
         t.commit();
         EXPECT_THROW_MSG(handle.modify(), std::runtime_error, kOutside); }},
      {"each kind listed in order of addition", true,
       {"aboutToErase:1,0,", "inserted:4,3,", "modified:2,", "erased:1,0,"}, {-1, -1, 20, 3, 4, -1, -1},
       [&](Model&, Transaction& t) {
         modify(t, 2).value = 20, insert(t, 4), t.erase(ObjectKey(1)), modify(t, 0).value = 10;
         insert(t, 3), t.erase(ObjectKey(0)); }},
      {"inserted and erased leaves no trace", true, {"inserted:4,"}, {0, 1, 2, -1, 4, -1, -1},
       [&](Model&, Transaction& t) {
         auto handle = insert(t, 3);
         insert(t, 4), t.erase(ObjectKey(3));
         EXPECT_THROW_MSG(handle.modify(), std::runtime_error, "Trying to access expired object."); }},
      {"erasing inserted objects keeps the others in order", true, {"inserted:3,6,"},
       {0, 1, 2, 3, -1, -1, 60},
       [&](Model&, Transaction& t) {
         for (int key : {3, 4, 5, 6}) insert(t, key);
         t.erase(ObjectKey(5)), t.erase(ObjectKey(4)), modify(t, 6).value = 60; }},
  };
  // clang-format on
  for (Case const& c : cases) {
    SCOPED_TRACE(c.name);
    Model model;
    for (int key : {0, 1, 2}) insertRecord(model, key, key);
    SignalLog log(model);
    {
      Transaction transaction(model);
      c.body(model, transaction);
      if (c.commit) transaction.commit();
    }
    EXPECT_EQ(log.entries, c.announced);
    std::vector<int> values;
    for (int key = 0; key < 7; ++key)
      values.push_back(model.contains(ObjectKey(key)) ? model.get<Record>(ObjectKey(key)).value : -1);
    EXPECT_EQ(values, c.values);
    EXPECT_EQ(model.current(), nullptr);
    EXPECT_EQ(model.contains(ObjectKey(0)) ? model.get<Record>(ObjectKey(0)).text : "initial", "initial");
  }
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

// The commit made by a slot announces its own list; the slots after it still get the first commit's.
TEST(ModelSignals, SlotsMayOpenANewTransaction) {
  Model model;
  insertRecord(model, 0, 1);
  insertRecord(model, 1, 1);
  int nested = 0;
  model.modified.connect([&](auto const&) {
    if (nested++) return;
    Transaction again(model);
    again.get<Record>(ObjectKey(1)).modify().value += 100;
    again.commit();
  });
  SignalLog log(model);
  for (int repeat = 0; repeat < 2; ++repeat, nested = 0) {
    Transaction transaction(model);
    transaction.get<Record>(ObjectKey(0)).modify().value = 2;
    transaction.commit();
  }
  EXPECT_EQ(model.get<Record>(ObjectKey(1)).value, 201);
  EXPECT_EQ(log.entries,
            (std::vector<std::string>{"modified:1,", "modified:0,", "modified:1,", "modified:0,"}));
}

// One object's commits reuse the announced list; an object that takes the place of an erased one (its
// memory too, as a rule) is announced under its own key, also where a slot erased the object during the
// announcement of its own modification.
TEST(ModelSignals, EachCommitAnnouncesTheKeyItChanged) {
  Model model;
  insertRecord(model, 0, 1);
  SignalLog log(model);
  auto modify = [&](int key) {
    Transaction transaction(model);
    transaction.modify<Record>(ObjectKey(key)).value += 1;
    transaction.commit();
  };
  auto erase = [&](int key) {
    Transaction transaction(model);
    transaction.erase(ObjectKey(key));
    transaction.commit();
  };
  modify(0);
  modify(0);
  erase(0);
  insertRecord(model, 5, 1);
  bool erasing = true;
  model.modified.connect([&](auto const&) {
    if (std::exchange(erasing, false)) erase(5);
  });
  modify(5);
  insertRecord(model, 2, 1);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"modified:0,", "modified:0,", "aboutToErase:0,",
                                                   "erased:0,", "inserted:5,", "modified:5,",
                                                   "aboutToErase:5,", "erased:5,", "inserted:2,"}));
}

}  // namespace
