#pragma once
// Records every DataModelSignals emission in order, as "signal:key" ("signal:[key,key,]" for lists), for keys
// that hold an int.

#include <string>
#include <vector>

#include <boost/type_erasure/any_cast.hpp>

#include "host/trv_properties_qt/DataModelSignals.h"

struct SignalPositions {
  explicit SignalPositions(trv::properties::DataModelSignals& s) {
    auto one = [this](char const* name) {
      return [this, name](trv::ObjectKey const& k) { seen.push_back(std::string(name) + ':' + text(k)); };
    };
    auto all = [this](char const* name) {
      return [this, name](std::vector<trv::ObjectKey> const& keys) {
        std::string list = std::string(name) + ":[";
        for (auto const& k : keys) list += text(k) + ',';
        seen.push_back(list + ']');
      };
    };
    s.inserted.connect(one("inserted"));
    s.insertedDone.connect(one("insertedDone"));
    s.modified.connect(one("modified"));
    s.modifiedDone.connect(one("modifiedDone"));
    s.aboutToErase.connect(one("aboutToErase"));
    s.erased.connect(one("erased"));
    s.erasedAll.connect(all("erasedAll"));
    s.aboutToEraseAll.connect(all("aboutToEraseAll"));
  }

  static std::string text(trv::ObjectKey const& key) {
    return std::to_string(boost::type_erasure::any_cast<int>(key));
  }

  std::vector<std::string> seen;
};
