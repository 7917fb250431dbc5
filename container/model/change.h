#pragma once
// The one way the library changes a stored object: in a transaction of its own, committed at once.

#include <utility>

#include "container/model/Model.h"
#include "container/model/ObjectKey.h"
#include "container/model/Transaction.h"

namespace trv::container::model {

// Calls `f(T&)` on the object of type T under `key`, made writable in a new transaction, and commits it.
// Throws what the transaction throws (errors::transactionInProgress, errors::unknownKey,
// errors::typeMismatch) and what `f` throws; the transaction is then rolled back.
template <typename T, typename F>
void change(Model& model, ObjectKey const& key, F&& f) {
  Transaction transaction(model);
  std::forward<F>(f)(transaction.modify<T>(key));
  transaction.commit();
}

// The same for the object at `place` (of `model`), without looking it up.
template <typename T, typename F>
void change(Model& model, Place<T> place, F&& f) {
  Transaction transaction(model);
  std::forward<F>(f)(transaction.modify(place));
  transaction.commit();
}

}  // namespace trv::container::model
