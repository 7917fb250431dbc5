#include "host/trv_assert/SmartAssert.h"

#include <iostream>
#include <mutex>

namespace trv::smartassert {
namespace {
// Reports may come from several threads at once.
std::mutex& reportMutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<Report>& recorded() {
  static std::vector<Report> all;
  return all;
}

void printToStandardError(Report const& report) {
  std::cerr << "assertion failed: " << report.condition << " (" << report.file << ':' << report.line << ')'
            << (report.message.empty() ? "" : ": ") << report.message << '\n';
}

std::function<void(Report const&)>& printer() {
  static std::function<void(Report const&)> print = printToStandardError;
  return print;
}
}  // namespace

SmartAssert::SmartAssert(std::string const& condition) : condition_(condition) {}

SmartAssert& SmartAssert::setFileContext(std::string const& file, int line) {
  file_ = file;
  line_ = line;
  return *this;
}

void SmartAssert::debug(std::string const& message) {
  std::lock_guard<std::mutex> const lock(reportMutex());
  recorded().push_back({condition_, file_, line_, message});
  printer()(recorded().back());
}

SmartAssert::~SmartAssert() = default;

std::vector<Report> const& reports() {
  return recorded();
}
void clearReports() {
  std::lock_guard<std::mutex> const lock(reportMutex());
  recorded().clear();
}
void setReportPrinter(std::function<void(Report const&)> print) {
  std::lock_guard<std::mutex> const lock(reportMutex());
  printer() = print ? std::move(print) : printToStandardError;
}

}  // namespace trv::smartassert
