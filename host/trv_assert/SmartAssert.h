#pragma once
// Stand-in for the suite's assertion reporter. A report names the failed condition, its source file and
// line and a message; it never stops the caller. Reports are written to standard error and recorded.

#include <functional>
#include <string>
#include <vector>

namespace trv::smartassert {

class SmartAssert {
 public:
  explicit SmartAssert(std::string const& condition);
  SmartAssert& setFileContext(std::string const& file, int line);
  void debug(std::string const& message);
  ~SmartAssert();

  SmartAssert(SmartAssert const&) = delete;
  SmartAssert& operator=(SmartAssert const&) = delete;

 private:
  std::string condition_;
  std::string file_;
  int line_ = 0;
};

struct Report {
  std::string condition;
  std::string file;
  int line;
  std::string message;
};

// Every report made so far, in order (for tests), and a way to forget them.
std::vector<Report> const& reports();
void clearReports();

// How a report is shown: by default on standard error as "assertion failed: CONDITION (FILE:LINE): MESSAGE".
void setReportPrinter(std::function<void(Report const&)> printer);

}  // namespace trv::smartassert
