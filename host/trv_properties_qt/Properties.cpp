#include <algorithm>
#include <utility>

#include "host/trv_properties_qt/DataModelSignals.h"
#include "host/trv_properties_qt/Property.h"

namespace trv::properties {

std::shared_ptr<Meta const> const& emptyMeta() {
  static std::shared_ptr<Meta const> const empty = std::make_shared<Meta const>();
  return empty;
}

void Properties::add(std::shared_ptr<Property> property) {
  bool const sort = property->weight > 0;
  list_.push_back(std::move(property));
  if (sort)
    std::stable_sort(list_.begin(), list_.end(),
                     [](auto const& a, auto const& b) { return a->weight > b->weight; });
}

Properties::List Properties::take() {
  return std::exchange(list_, {});
}

DataModelSignals::DataModelSignals() = default;
DataModelSignals::~DataModelSignals() = default;

}  // namespace trv::properties
