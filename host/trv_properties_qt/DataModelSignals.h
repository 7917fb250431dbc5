#pragma once
// Stand-in for the inspector's model signals: eight signals in a fixed order. The library emits them when
// its record changes; inspector widgets listen.

#include <vector>

#include <boost/signals2/signal.hpp>

#include "container/model/ObjectKey.h"

namespace trv::properties {

class DataModelSignals {
 public:
  using KeySignal = boost::signals2::signal<void(ObjectKey const&)>;
  using KeysSignal = boost::signals2::signal<void(std::vector<ObjectKey> const&)>;

  DataModelSignals();
  ~DataModelSignals();

  KeySignal inserted;          // 0: an object was inserted
  KeySignal insertedDone;      // 1: right after 0
  KeySignal modified;          // 2: an object was modified
  KeySignal modifiedDone;      // 3: right after 2
  KeySignal aboutToErase;      // 4: an object is about to be erased
  KeySignal erased;            // 5: an object was erased
  KeysSignal erasedAll;        // 6: the list of erased objects
  KeysSignal aboutToEraseAll;  // 7: the list of objects about to be erased
};

}  // namespace trv::properties
