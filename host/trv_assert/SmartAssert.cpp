#include "host/trv_assert/SmartAssert.h"

#include <iostream>

namespace trv::smartassert {
namespace {
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
  recorded().push_back({condition_, file_, line_, message});
  printer()(recorded().back());
}

SmartAssert::~SmartAssert() = default;

std::vector<Report> const& reports() {
  return recorded();
}
void clearReports() {
  recorded().clear();
}
void setReportPrinter(std::function<void(Report const&)> print) {
  printer() = print ? std::move(print) : printToStandardError;
}

}  // namespace trv::smartassert
