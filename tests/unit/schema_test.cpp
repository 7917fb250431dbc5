#include <gtest/gtest.h>
#include "lib/properties/control_param/schema/records.h"
TEST(Placeholder, Builds) { EXPECT_EQ(trv::control_param::BRAX_Control_Properties{}.cant, 12); }
