// Random sessions of a host whose slot calls the task back while a change is announced. The first byte picks
// the program type (modulo 12) and, above that, what the slot listens to: the inspector's modifiedDone or
// modified, or the undo stack's indexChanged or cleanChanged. Each following pair of bytes is a call and its
// variant (tests/unit/facade_session.h): the low seven bits of the first pick the change, its top bit queues
// the call for the slot, which makes the queued calls one at each announcement (inside each other's
// announcements too, up to a depth), instead of making it now. After every call made directly the task must
// equal a second task that got every call made so far one after another, in the order they were made: the
// same stored text, steps, history position and clean state.

#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "tests/unit/facade_session.h"

namespace {

using namespace facade_session;

struct Made {
  int call;
  int which;
};

// The task of a program type that the slot calls back and the one that gets the same calls in a row; made
// once, each input starting them from a load of the defaults.
struct Tasks {
  explicit Tasks(ProgrammTypes type) : task(type), oracle(type) {}
  Task task;
  Task oracle;
};

Tasks& tasksOf(int type) {
  static std::vector<std::unique_ptr<Tasks>> made(kProgrammTypeCount);
  auto& tasks = made[static_cast<std::size_t>(type)];
  if (!tasks) tasks = std::make_unique<Tasks>(static_cast<ProgrammTypes>(type));
  return *tasks;
}

constexpr std::size_t kMaxCalls = 48;
constexpr int kMaxDepth = 4;  // calls of the slot inside calls of the slot

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  if (size == 0) return 0;
  int const type = data[0] % kProgrammTypeCount;
  Tasks& tasks = tasksOf(type);
  for (Task* task : {&tasks.task, &tasks.oracle}) task->make(kLoad, 1);
  std::vector<Made> made;  // every call of the session, in the order it was made
  std::deque<Made> queued;
  int depth = 0;
  auto make = [&](Made const& call) {
    made.push_back(call);
    ++depth;
    tasks.task.make(call.call, call.which);
    --depth;
  };
  HostSlot const host(tasks.task, (data[0] / kProgrammTypeCount) % HostSlot::kSignalCount, [&] {
    if (queued.empty() || depth > kMaxDepth) return;
    Made const call = queued.front();
    queued.pop_front();
    make(call);
  });
  std::size_t replayed = 0;
  for (std::size_t i = 1; i + 1 < size && made.size() < kMaxCalls; i += 2) {
    Made const call{(data[i] & 0x7f) % callsOf(static_cast<ProgrammTypes>(type)), data[i + 1]};
    if (data[i] & 0x80) {
      queued.push_back(call);
      continue;
    }
    make(call);
    for (; replayed < made.size(); ++replayed) tasks.oracle.make(made[replayed].call, made[replayed].which);
    fuzz::require(tasks.task.state() == tasks.oracle.state(),
                  "the task differs from one that got the same calls one after another");
  }
  return 0;
}
