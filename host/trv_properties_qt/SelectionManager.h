#pragma once
// Stand-in for the suite's selection manager: the set of selected objects and a change signal.

#include <set>

#include <boost/signals2/signal.hpp>

namespace trv {

template <typename Key>
class SelectionManager {
 public:
  // The selection has changed.
  boost::signals2::signal<void()> changed;
  // The selected objects, ordered by the key's ordering.
  std::set<Key> selected;
};

}  // namespace trv
