#pragma once
// `decode`: a text read field by field without a program type, as the stored form's own walk without a
// schema meets its fields (a JSON text member by member), with the readers' verdicts for a program type when
// one is given.

#include "tools/ctrlparam/context.h"

namespace ctrlparam {

int decode(Context const& context);

}  // namespace ctrlparam
