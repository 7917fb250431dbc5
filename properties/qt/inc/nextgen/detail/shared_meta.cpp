#include "properties/qt/inc/nextgen/detail/shared_meta.h"

#include <map>
#include <mutex>
#include <utility>

#include "host/trv_properties_qt/PropertyMeta.h"

namespace trv::properties::nextgen::detail {
namespace {

using Key = std::pair<void const*, std::vector<QString>>;

struct Remembered {
  std::mutex mutex;
  std::map<Key, std::shared_ptr<Meta const>> trees;
};

Remembered& remembered() {
  static Remembered instance;
  return instance;
}

}  // namespace

std::shared_ptr<Meta const> sharedMeta(void const* field, std::vector<QString> labels,
                                       std::shared_ptr<Meta const> built) {
  Remembered& shared = remembered();
  std::lock_guard<std::mutex> const lock(shared.mutex);
  auto const [position, inserted] = shared.trees.try_emplace(Key(field, std::move(labels)), std::move(built));
  static_cast<void>(inserted);
  return position->second;
}

std::shared_ptr<Meta const> sharedMeta(void const* field, std::vector<QString> labels,
                                       std::function<std::shared_ptr<Meta const>()> const& build) {
  Remembered& shared = remembered();
  std::lock_guard<std::mutex> const lock(shared.mutex);
  auto const [position, inserted] = shared.trees.try_emplace(Key(field, std::move(labels)));
  if (inserted) position->second = build();
  return position->second;
}

std::vector<QString> choiceLabels(Meta const& meta) {
  std::vector<QString> labels;
  auto const entries = meta.get_child_optional("editor.entries");
  if (!entries) return labels;
  EnumEntries const* choices = boost::any_cast<EnumEntries>(&entries->data());
  if (!choices) return labels;
  labels.reserve(choices->size());
  for (auto const& choice : *choices) labels.push_back(choice.first);
  return labels;
}

}  // namespace trv::properties::nextgen::detail
