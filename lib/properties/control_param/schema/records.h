#pragma once
// The five option records. Code that handles each in turn walks the module table (src/program_records.h).

#include "lib/properties/control_param/schema/BRAX_Control_Properties.h"
#include "lib/properties/control_param/schema/NEVO_Control_Properties.h"
#include "lib/properties/control_param/schema/ORIN_Control_Properties.h"
#include "lib/properties/control_param/schema/PELU_Control_Properties.h"
#include "lib/properties/control_param/schema/Zuther_Control_Properties.h"
