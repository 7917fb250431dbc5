#pragma once
// The sections of the man page that the command and option tables make (`ctrlparam man-include`): an
// include file of help2man, which adds them to what it reads from --help.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int manInclude(Context const& context);

}  // namespace ctrlparam
