#pragma once
// A transaction on a Model, its change log and the handles it gives out.
//
// Every write follows one road: open a Transaction, `get` (or `insert`) a Handle, `modify()` it, change the
// object in place, `commit()`. A transaction destroyed without commit rolls back and emits nothing.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "container/model/Errors.h"
#include "container/model/Model.h"
#include "container/model/ObjectKey.h"

namespace trv::container::model {

enum class ChangeState : std::int32_t { Inserted = 0, Modified = 1, Erased = 2 };

struct ChangeRecord {
  ChangeState state;
  ObjectKey key;
  // Puts the value from before the first modify() of the transaction back; empty until one was taken.
  std::function<void()> restore;
};

template <typename T>
class Handle;

class Transaction {
 public:
  // Throws errors::transactionInProgress when the model has a transaction open.
  explicit Transaction(Model& model);
  ~Transaction();
  Transaction(Transaction const&) = delete;
  Transaction& operator=(Transaction const&) = delete;

  // Stores a new object under `key`; throws errors::keyExists and changes nothing when the key is taken.
  template <typename V, typename T = std::decay_t<V>>
  Handle<T> insert(ObjectKey const& key, V&& value) {
    auto object = std::make_shared<T>(std::forward<V>(value));
    insertEntry(key, typeid(T), object);
    return Handle<T>(key, object, model_);
  }

  // The handle of the object under `key`; throws as Model::get does.
  template <typename T>
  Handle<T> get(ObjectKey const& key) {
    auto const& entry = model_->lookup(key, typeid(T));
    return Handle<T>(key, std::static_pointer_cast<T>(entry.object), model_);
  }

  // Marks the object under `key` for removal at commit; throws errors::unknownKey, or errors::erasedObject
  // when it is marked already. An object inserted by this transaction is removed at once.
  void erase(ObjectKey const& key);

  // Applies and announces the changes and ends the transaction.
  void commit();

 private:
  template <typename T>
  friend class Handle;

  ChangeRecord* find(ObjectKey const& key);
  void append(ChangeRecord record);
  void insertEntry(ObjectKey const& key, std::type_info const& type, std::shared_ptr<void> object);
  void rollback() noexcept;
  void end() noexcept;

  Model* model_;
  bool committed_ = false;
  std::vector<ChangeRecord> log_;           // order of addition
  std::map<ObjectKey, std::size_t> index_;  // key -> position in log_
};

template <typename T>
class Handle {
 public:
  ObjectKey const& key() const { return key_; }

  // The object made writable inside the running transaction (a backup is taken on first use).
  T& modify();

 private:
  friend class Transaction;
  Handle(ObjectKey key, std::shared_ptr<T> const& object, Model* model)
      : key_(std::move(key)), weak_(object), object_(object.get()), model_(model) {}

  ObjectKey key_;
  std::weak_ptr<T> weak_;
  T* object_;
  Model* model_;
};

template <typename T>
T& Handle<T>::modify() {
  Transaction* transaction = model_->current();
  if (!transaction) errors::modifyOutsideTransaction();
  ChangeRecord* record = transaction->find(key_);
  if (record && record->state == ChangeState::Erased) errors::erasedObject();
  if (weak_.expired()) errors::expiredObject();
  if (record && record->restore) return *object_;
  std::function<void()> restore = [object = object_, backup = T(*object_)] { *object = backup; };
  if (record)
    record->restore = std::move(restore);
  else
    transaction->append({ChangeState::Modified, key_, std::move(restore)});
  return *object_;
}

}  // namespace trv::container::model
