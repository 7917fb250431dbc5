#pragma once
// The KELMAR control records of each module, chosen by the program type.

#include <vector>

#include <QString>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/ModelContent.h"
#include "lib/properties/control_param/src/ProgrammTypes.h"

namespace trv::control_param::data {

std::vector<QString> writeKelmar(ProgrammTypes type, ORIN_Control_Properties const& record,
                                 ModelContent const& content, int language);
std::vector<QString> writeKelmar(ProgrammTypes type, PELU_Control_Properties const& record,
                                 ModelContent const& content, int language);
std::vector<QString> writeKelmar(ProgrammTypes type, NEVO_Control_Properties const& record,
                                 ModelContent const& content, int language);
std::vector<QString> writeKelmar(ProgrammTypes type, Zuther_Control_Properties const& record,
                                 ModelContent const& content, int language);
std::vector<QString> writeKelmar(ProgrammTypes type, BRAX_Control_Properties const& record,
                                 ModelContent const& content, int language);

}  // namespace trv::control_param::data
