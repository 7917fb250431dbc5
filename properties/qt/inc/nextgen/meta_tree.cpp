#include "properties/qt/inc/nextgen/meta_tree.h"

#include <map>
#include <string>

namespace trv::properties::nextgen {
namespace {

// Empty nodes of the names that the settings trees use, copied in as new children (a node made on the
// spot would be copied twice more before it is linked in).
std::map<std::string, Meta::value_type, std::less<>> const& emptyNodes() {
  static std::map<std::string, Meta::value_type, std::less<>> const nodes = [] {
    std::map<std::string, Meta::value_type, std::less<>> made;
    for (char const* name : {"editor", "entries", "is_arithmetic", "is_bool", "is_equal", "kind", "maximum",
                             "meta", "minimum", "optional", "precision", "type", "validator"})
      made.emplace(name, Meta::value_type(name, Meta()));
    return made;
  }();
  return nodes;
}

// The first child named `name`, appended when there is none.
Meta& childNamed(Meta& tree, std::string_view name) {
  std::string const key(name);
  auto const found = tree.find(key);
  if (found != tree.not_found()) return found->second;
  auto const& nodes = emptyNodes();
  auto const node = nodes.find(name);
  if (node != nodes.end()) return tree.push_back(node->second)->second;
  return tree.push_back(Meta::value_type(key, Meta()))->second;
}

}  // namespace

Meta& putMetaValue(Meta& meta, std::string_view path, boost::any value) {
  Meta* node = &meta;
  for (;;) {
    auto const dot = path.find('.');
    node = &childNamed(*node, path.substr(0, dot));
    if (dot == std::string_view::npos) break;
    path.remove_prefix(dot + 1);
  }
  node->data() = std::move(value);
  return *node;
}

}  // namespace trv::properties::nextgen
