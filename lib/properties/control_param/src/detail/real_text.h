#pragma once
// Speed-tuned: the real-number text of the KELMAR values without QString::number's slow path for short
// decimals (figures in BENCHMARKS.md, getKELMAR).

namespace trv::control_param::data::detail {

// Writes the same text as QString::number(value, 'g', 6) for a finite non-zero `value` into [first, last),
// which holds at least 32 characters, and returns the end of the text.
char* writeFiniteReal(double value, char* first, char* last);

}  // namespace trv::control_param::data::detail
