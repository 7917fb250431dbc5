// The inspector side of the tool: label locale, --set edits, `properties` and `inspector`.

#include "tools/ctrlparam/commands.h"

namespace ctrlparam {

void applyLocale(Context const&) {}

void applySettings(Context const& context, trv::control_param::Data&) {
  if (!context.settings.isEmpty()) throw Failure("--set is not available yet");
}

void properties(Context const&) { throw Failure("properties is not available yet"); }

void inspector(Context const&) { throw Failure("inspector is not available yet"); }

}  // namespace ctrlparam
