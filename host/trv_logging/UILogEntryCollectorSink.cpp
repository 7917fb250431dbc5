#include "host/trv_logging/UILogEntryCollectorSink.h"

namespace trv::logging {

void UILogEntryCollectorSink::clear() {
  entries_.clear();
}
void UILogEntryCollectorSink::consume(UILogEntry& entry) {
  entries_.push_back(entry);
}
UILogEntryCollectorSink::~UILogEntryCollectorSink() = default;

}  // namespace trv::logging
