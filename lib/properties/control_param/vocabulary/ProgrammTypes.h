#pragma once
// The module variant of a task. The numbering is part of the host interface: 10 belongs to the ORIN family.

#include <cstdint>

namespace trv::control_param {

enum ProgrammTypes : std::int32_t {
  ORIN_A = 0,
  ORIN_B = 1,
  ORIN_C = 2,
  ORIN_D = 3,
  PELU_A = 4,
  PELU_B = 5,
  NEVO_A = 6,
  NEVO_B = 7,
  Zuther_A = 8,
  Zuther_B = 9,
  ORIN_E = 10,
  BRAX_A = 11,
};

// The name of each program type, indexed by its value.
inline constexpr char const* kProgrammTypeNames[] = {"ORIN_A",   "ORIN_B",   "ORIN_C", "ORIN_D",
                                                     "PELU_A",   "PELU_B",   "NEVO_A", "NEVO_B",
                                                     "Zuther_A", "Zuther_B", "ORIN_E", "BRAX_A"};
inline constexpr int kProgrammTypeCount = 12;

}  // namespace trv::control_param
