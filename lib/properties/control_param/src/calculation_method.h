#pragma once

#include <QString>

namespace trv::control_param::data {

// The calculation method in an older XML form of a task: the third number of the first "o" entry whose
// first number is 93, or -1.
int calculationMethod(QString const& xml);

}  // namespace trv::control_param::data
