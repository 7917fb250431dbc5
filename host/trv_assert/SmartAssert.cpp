#include "host/trv_assert/SmartAssert.h"

#include <iostream>

namespace trv::smartassert {
namespace {
std::vector<Report>& recorded() {
  static std::vector<Report> all;
  return all;
}
}  // namespace

SmartAssert::SmartAssert(std::string const& condition) : condition_(condition) {}

SmartAssert& SmartAssert::setFileContext(std::string const& file, int line) {
  file_ = file;
  line_ = line;
  return *this;
}

void SmartAssert::debug(std::string const& message) {
  recorded().push_back({condition_, file_, line_, message});
  std::cerr << "assertion failed: " << condition_ << " (" << file_ << ':' << line_ << ')'
            << (message.empty() ? "" : ": ") << message << '\n';
}

SmartAssert::~SmartAssert() = default;

std::vector<Report> const& reports() {
  return recorded();
}
void clearReports() {
  recorded().clear();
}

}  // namespace trv::smartassert
