#pragma once
// Stand-in for the suite's translator set-up of one option record.

#include <string>
#include <vector>

namespace trv::translation {
class Xlator;
}

namespace trv::properties::detail {

// Registers the catalogue domain of the record `qualifiedName` in the translator (for the record's texts
// and for the choice lists its catalogue translates), the catalogue folder and the override folder of this
// installation, and the label language (label_language.h); marks the translator for regeneration.
void configure_xlator(translation::Xlator& xlator, std::string const& qualifiedName);

// The data folder of this installation (holding "locale" and "trv_control_param_table"), found next to this
// library; empty when there is none.
std::string const& dataFolder();

}  // namespace trv::properties::detail
