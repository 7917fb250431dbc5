#pragma once
// Where the host's assertion log files each failed condition this library reports. The host's log readers
// know the library's reports by these file contexts and line numbers, so they stay as they are whatever
// becomes of the source files: they name places of the log's format, not files of this tree. The table sits
// below every part of the library that reports (the object model and the translator included).

#include <string>

#include "host/trv_assert/SmartAssert.h"

namespace trv::control_param {

struct ReportPosition {
  char const* file;
  int line;
};

namespace report_position {
// An empty stored text given to insertXMLData.
inline constexpr ReportPosition kEmptyStoredText{"lib/properties/control_param/src/internal_data", 42};
// keywordFor with an identifier that has no keyword.
inline constexpr ReportPosition kInvalidOption{"lib/properties/control_param/src/utils", 651};
// The self-check of the integer option line by identifier.
inline constexpr ReportPosition kOptionLineSelfCheck{"lib/properties/control_param/src/utils", 39};
// A field's "Precision", "MaximumValue" or "MinimumValue" attribute that does not convert.
inline constexpr ReportPosition kPrecisionConversion{"properties/qt/inc/nextgen/from_bond", 192};
inline constexpr ReportPosition kMaximumConversion{"properties/qt/inc/nextgen/from_bond", 402};
inline constexpr ReportPosition kMinimumConversion{"properties/qt/inc/nextgen/from_bond", 415};
// Putting an object back failed while a transaction was rolled back.
inline constexpr ReportPosition kRestoreFailed{"container/model/Transaction", 14};
// A message catalogue that could not be read (once per file).
inline constexpr ReportPosition kUnreadableCatalogue{"translation/Xlator", 0};
// An undo or redo step whose commit failed (the message: the error's).
inline constexpr ReportPosition kUndoStepFailed{"lib/properties/control_param/src/record_step", 0};
}  // namespace report_position

// Reports the failed `condition` with `message` to the host's assertion log at `position`.
inline void reportToHost(char const* condition, ReportPosition position, std::string const& message = "") {
  smartassert::SmartAssert(condition).setFileContext(position.file, position.line).debug(message);
}

}  // namespace trv::control_param
