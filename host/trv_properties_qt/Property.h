#pragma once
// Stand-in for the suite's inspector property: labels, layout hints, value access and the settings tree
// that the editor and validator factories read.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <boost/any.hpp>
#include <boost/property_tree/ptree.hpp>

#include "container/model/ObjectKey.h"

namespace trv::properties {

using Meta = boost::property_tree::basic_ptree<std::string, boost::any>;

// The empty settings tree, shared by every property that has no settings of its own.
std::shared_ptr<Meta const> const& emptyMeta();

struct Property {
  std::function<bool(ObjectKey const&, boost::any&)> getValue;
  std::function<bool(ObjectKey const&)> isReadOnly;
  std::function<bool(ObjectKey const&, boost::any const&)> setValue;
  std::function<bool(ObjectKey const&, boost::any&)> getDefault;  // not set by the library
  std::function<bool(boost::any const&, boost::any const&)> isEqual;
  std::function<bool(boost::any const&, boost::any const&)> isLess;
  std::string displayName;
  std::string tooltip;
  std::string category;
  std::string id;
  std::string columnWidth;
  std::int32_t weight = 0;
  // Immutable and shared: properties with the same settings hold the same tree.
  std::shared_ptr<Meta const> meta = emptyMeta();
};

// The ordered list of an inspector's properties.
class Properties {
 public:
  using List = std::vector<std::shared_ptr<Property>>;

  // Appends; a positive weight re-sorts the whole list by descending weight, keeping the relative order of
  // equal weights.
  void add(std::shared_ptr<Property> property);

  List const& list() const { return list_; }
  List take();  // empties the list and returns what it held

 private:
  List list_;
};

}  // namespace trv::properties
