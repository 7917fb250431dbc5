#pragma once
// Stand-in for the suite's logging interface: a log entry and the sink that collects entries for the UI.

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace trv::logging {

struct UILogEntry {
  int kind = 0;
  std::string message;  // UTF-8
  std::map<std::string, std::string> attributes;
  std::deque<std::pair<std::string, std::string>> details;
};

class UILogEntryCollectorSink {
 public:
  // Forgets every collected entry.
  virtual void clear();
  // Takes one entry; the caller keeps ownership of it.
  virtual void consume(UILogEntry& entry);
  virtual ~UILogEntryCollectorSink();

  std::vector<UILogEntry> const& entries() const { return entries_; }

 private:
  std::vector<UILogEntry> entries_;
};

}  // namespace trv::logging
