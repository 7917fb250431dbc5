#pragma once
// The upgrade of construction-stage records stored before `version_id` 1, asked of a record alone: the
// module data object upgrades its task by it, and the command-line tool asks it of texts it reads without a
// task.

#include "lib/properties/control_param/schema/BRAX_Control_Properties.h"
#include "lib/properties/control_param/vocabulary/export.h"

namespace trv::control_param::data {

// Whether the upgrade changes `record` (it was stored before `version_id` 1).
TRV_CONTROL_PARAM_EXPORT bool upgradePending(BRAX_Control_Properties const& record);

}  // namespace trv::control_param::data
