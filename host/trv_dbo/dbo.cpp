#include "host/trv_dbo/dbo.h"

#include <atomic>
#include <map>
#include <mutex>

namespace trv::dbo {
namespace {

// The registry may be asked from several threads at once, as the suite's model database may.
std::mutex registryMutex;
std::map<int, standin::ElementKinds>& registry() {
  static std::map<int, standin::ElementKinds> models;
  return models;
}
std::atomic<int> queries{0};

template <bool standin::ElementKinds::*Kind>
bool answer(int databaseHandle, int* error) {
  ++queries;
  if (error) *error = 0;
  std::lock_guard<std::mutex> const lock(registryMutex);
  auto it = registry().find(databaseHandle);
  return it != registry().end() && it->second.*Kind;
}

}  // namespace

bool hasQuads(int h, int* e) {
  return answer<&standin::ElementKinds::quads>(h, e);
}
bool hasBrics(int h, int* e) {
  return answer<&standin::ElementKinds::brics>(h, e);
}
bool hasBeams(int h, int* e) {
  return answer<&standin::ElementKinds::beams>(h, e);
}
bool hasCables(int h, int* e) {
  return answer<&standin::ElementKinds::cables>(h, e);
}
bool hasSprings(int h, int* e) {
  return answer<&standin::ElementKinds::springs>(h, e);
}

namespace standin {
void setModel(int databaseHandle, ElementKinds kinds) {
  std::lock_guard<std::mutex> const lock(registryMutex);
  registry()[databaseHandle] = kinds;
}
void clearModels() {
  std::lock_guard<std::mutex> const lock(registryMutex);
  registry().clear();
}
int queryCount() {
  return queries;
}
}  // namespace standin

}  // namespace trv::dbo
