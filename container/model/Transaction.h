#pragma once
// A transaction on a Model, its change log and the handles it gives out.
//
// Every write follows one road: open a Transaction, `get` (or `insert`) a Handle, `modify()` it, change the
// object in place, `commit()`. A transaction destroyed without commit rolls back and emits nothing.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include <boost/container/small_vector.hpp>

#include "container/model/Errors.h"
#include "container/model/Model.h"
#include "container/model/ObjectKey.h"

namespace trv::container::model {

enum class ChangeState : std::int32_t { Inserted = 0, Modified = 1, Erased = 2 };

// The entry stays in the store while its record is in the log, so the record refers to it instead of copying
// its key.
struct ChangeRecord {
  ChangeState state;
  std::map<ObjectKey, StoreEntry>::iterator entry;
  // Puts the value from before the first modify() of the transaction (the entry's backup) back into the
  // entry's object; null until one was taken.
  void (*restore)(StoreEntry& entry) = nullptr;

  ObjectKey const& key() const { return entry->first; }
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

  // The object under `key` made writable: what `get<T>(key).modify()` gives, without making the handle.
  template <typename T>
  T& modify(ObjectKey const& key) {
    return modify(model_->place<T>(key));
  }
  // The same for the object at `place`, which must be of this transaction's model.
  template <typename T>
  T& modify(Place<T> place) {
    ChangeRecord* record = find(place.entry);
    if (record && record->state == ChangeState::Erased) errors::erasedObject();
    return writable(static_cast<T*>(place.entry->second.object.get()), place.entry, record);
  }

  // Marks the object under `key` for removal at commit; throws errors::unknownKey, or errors::erasedObject
  // when it is marked already. An object inserted by this transaction is removed at once.
  void erase(ObjectKey const& key);

  // Applies and announces the changes and ends the transaction.
  void commit();

 private:
  template <typename T>
  friend class Handle;
  using Entry = std::map<ObjectKey, StoreEntry>::iterator;

  // The record of the entry in the log, or null. The log of a transaction of this library holds one record,
  // so it is searched from the start.
  ChangeRecord* find(Entry entry);
  template <typename T>
  T& modify(Handle<T> const& handle);
  // Takes the backup of `object` (the entry's) on its first modification in this transaction.
  template <typename T>
  T& writable(T* object, Entry entry, ChangeRecord* record);
  void commitOne(Model& model);
  void insertEntry(ObjectKey const& key, std::type_info const& type, std::shared_ptr<void> object);
  void rollback() noexcept;
  void end() noexcept;

  Model* model_;
  bool committed_ = false;
  boost::container::small_vector<ChangeRecord, 1> log_;  // order of addition
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
  return transaction->modify(*this);
}

template <typename T>
T& Transaction::modify(Handle<T> const& handle) {
  Entry const entry = model_->store_.find(handle.key_);
  ChangeRecord* record = entry == model_->store_.end() ? nullptr : find(entry);
  if (record && record->state == ChangeState::Erased) errors::erasedObject();
  // While the object lives, the store holds it under the handle's key.
  if (handle.weak_.expired()) errors::expiredObject();
  return writable(handle.object_, entry, record);
}

template <typename T>
T& Transaction::writable(T* object, Entry entry, ChangeRecord* record) {
  if (record && record->restore) return *object;
  std::shared_ptr<void>& kept = entry->second.backup;
  if (kept)
    *static_cast<T*>(kept.get()) = *object;
  else
    kept = std::make_shared<T>(*object);
  auto const restore = [](StoreEntry& stored) {
    *static_cast<T*>(stored.object.get()) = *static_cast<T const*>(stored.backup.get());
  };
  if (record)
    record->restore = restore;
  else
    log_.push_back({ChangeState::Modified, entry, restore});
  return *object;
}

}  // namespace trv::container::model
