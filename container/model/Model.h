#pragma once
// A small in-memory object store: objects of any type under keys of any ordered type, changed only inside
// a Transaction and announced on commit through four signals.

#include <cstdint>
#include <map>
#include <memory>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include <boost/signals2/dummy_mutex.hpp>
#include <boost/signals2/signal.hpp>
#include <boost/signals2/signal_type.hpp>

#include "container/model/ObjectKey.h"

namespace trv::container::model {

class Transaction;

struct StoreEntry {
  ObjectKey key;
  std::type_index type;
  std::shared_ptr<void> object;
  // The object's value from before the running transaction's first modify(); made by the first modify() of
  // the object and reused by the later ones, so that a modification allocates nothing.
  std::shared_ptr<void> backup;
};

// Where the object of type T under a key is kept: valid while the key stays in the store. A user that keeps
// one object for its life (a task its record) finds it once and then reaches it without a lookup.
template <typename T>
struct Place {
  std::map<ObjectKey, StoreEntry>::iterator entry;
};

class Model {
 public:
  // Without a lock: a model, its connections and its commits stay in the thread of their task.
  using Signal =
      boost::signals2::signal_type<void(std::vector<ObjectKey> const&),
                                   boost::signals2::keywords::mutex_type<boost::signals2::dummy_mutex>>::type;

  Model() = default;
  Model(Model const&) = delete;
  Model& operator=(Model const&) = delete;

  // Emitted during commit, before the erased objects leave the store.
  Signal aboutToErase;
  // Emitted after a commit, each only with a non-empty list.
  Signal inserted;
  Signal modified;
  Signal erased;

  // The object stored under `key`; throws errors::unknownKey, or errors::typeMismatch when it is of another
  // type. Needs no transaction.
  template <typename T>
  T const& get(ObjectKey const& key) const {
    return *static_cast<T const*>(lookup(key, typeid(T)).object.get());
  }

  // The place of the object under `key`; throws as `get` does.
  template <typename T>
  Place<T> place(ObjectKey const& key) {
    return {locate(key, typeid(T))};
  }
  template <typename T>
  T const& get(Place<T> place) const {
    return *static_cast<T const*>(place.entry->second.object.get());
  }

  bool contains(ObjectKey const& key) const { return store_.count(key) != 0; }
  Transaction* current() const { return current_; }

 private:
  friend class Transaction;
  using Store = std::map<ObjectKey, StoreEntry>;

  StoreEntry const& lookup(ObjectKey const& key, std::type_info const& type) const {
    return const_cast<Model*>(this)->locate(key, type)->second;
  }
  // The entry of `key`, checked as `get` checks it.
  Store::iterator locate(ObjectKey const& key, std::type_info const& type);

  Transaction* current_ = nullptr;
  Store store_;
  // Removes an entry from the store.
  void eraseEntry(Store::iterator entry);

  // The list that the last commit of one object announced and the entry it was made for, kept for the next
  // one: most commits change the same one object, and then announce it without an allocation or a key
  // comparison. The entry is forgotten when it leaves the store, and not kept when any entry left the store
  // during its announcement (a slot may erase it, and its memory may come back for another key).
  std::vector<ObjectKey> announced_;
  StoreEntry const* announcedEntry_ = nullptr;
  std::uint64_t erasures_ = 0;  // entries removed from the store so far
};

}  // namespace trv::container::model
