#pragma once
// Records every DataModelSignals emission in order, as "position:key" ("position:[key,key,]" for lists),
// for keys that hold an int.

#include <string>
#include <vector>

#include <boost/type_erasure/any_cast.hpp>

#include "host/trv_properties_qt/DataModelSignals.h"

struct SignalPositions {
  explicit SignalPositions(trv::properties::DataModelSignals& s) {
    auto one = [this](int p) {
      return [this, p](trv::ObjectKey const& k) { seen.push_back(std::to_string(p) + ':' + text(k)); };
    };
    auto all = [this](int p) {
      return [this, p](std::vector<trv::ObjectKey> const& keys) {
        std::string list = std::to_string(p) + ":[";
        for (auto const& k : keys) list += text(k) + ',';
        seen.push_back(list + ']');
      };
    };
    s.inserted.connect(one(0));
    s.insertedDone.connect(one(1));
    s.modified.connect(one(2));
    s.modifiedDone.connect(one(3));
    s.aboutToErase.connect(one(4));
    s.erased.connect(one(5));
    s.erasedAll.connect(all(6));
    s.aboutToEraseAll.connect(all(7));
  }

  static std::string text(trv::ObjectKey const& key) {
    return std::to_string(boost::type_erasure::any_cast<int>(key));
  }

  std::vector<std::string> seen;
};
