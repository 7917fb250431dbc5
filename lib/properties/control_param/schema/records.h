#pragma once
// The five option records, and the list of them for code that handles each in turn.

#include <tuple>

#include "lib/properties/control_param/schema/BRAX_Control_Properties.h"
#include "lib/properties/control_param/schema/NEVO_Control_Properties.h"
#include "lib/properties/control_param/schema/ORIN_Control_Properties.h"
#include "lib/properties/control_param/schema/PELU_Control_Properties.h"
#include "lib/properties/control_param/schema/Zuther_Control_Properties.h"

namespace trv::control_param {

using AllRecords = std::tuple<ORIN_Control_Properties, PELU_Control_Properties, NEVO_Control_Properties,
                              Zuther_Control_Properties, BRAX_Control_Properties>;

}  // namespace trv::control_param
