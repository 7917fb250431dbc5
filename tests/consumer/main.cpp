// Creates a task of every program type through the installed library and catches every exception the
// library documents by its exact type, across the shared-library boundary.

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

#include "lib/properties/control_param/src/Data.h"
#include "serialization/errors.h"

namespace {

using namespace trv::control_param;

int failures = 0;

template <typename Exception>
void expectThrow(char const* what, std::function<void()> const& call) {
  try {
    call();
  } catch (Exception const& error) {
    std::printf("ok   %s: %s\n", what, error.what());
    return;
  } catch (std::exception const& error) {
    std::printf("FAIL %s: wrong exception type (%s)\n", what, error.what());
    ++failures;
    return;
  }
  std::printf("FAIL %s: nothing thrown\n", what);
  ++failures;
}

void check(bool condition, char const* what) {
  std::printf("%s %s\n", condition ? "ok  " : "FAIL", what);
  if (!condition) ++failures;
}

}  // namespace

int main() {
  for (int type = 0; type < kProgrammTypeCount; ++type) {
    Data task(static_cast<ProgrammTypes>(type), 1);
    check(task.getXMLData() == "AA==\n", kProgrammTypeNames[type]);
    std::size_t const lines = task.getKELMAR(1).size();
    if (type == BRAX_A) check(lines == 11, "BRAX writes eleven KELMAR lines by default");
  }
  Data orin(ORIN_A, 1);
  expectThrow<std::runtime_error>("setBRAX_NMAT on ORIN", [&] { orin.setBRAX_NMAT(BRAX_NMAT::Active); });
  expectThrow<std::invalid_argument>("keyword language 2", [&] { orin.getKELMAR(2); });
  expectThrow<trv::serialization::StreamException>("truncated record", [&] { orin.insertXMLData("MA==\n"); });
  expectThrow<trv::serialization::CoreException>("JSON syntax error",
                                                 [&] { orin.insertXMLData("{\"warp\":\n"); });
  Data empty(static_cast<ProgrammTypes>(12), 1);
  expectThrow<std::logic_error>("empty task", [&] { empty.getXMLData(); });
  check(orin.getXMLData() == "AA==\n", "record unchanged after failures");
  std::printf(failures ? "consumer: %d checks failed\n" : "consumer: all checks held\n", failures);
  return failures ? 1 : 0;
}
