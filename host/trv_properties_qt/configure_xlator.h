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
// installation, and the locale name set by `setLabelLocale`; marks the translator for regeneration.
void configure_xlator(translation::Xlator& xlator, std::string const& qualifiedName);

// The locale whose language labels are shown in from now on (for example "de_DE.UTF-8"); empty, the
// default, follows the environment.
void setLabelLocale(std::string const& localeName);
std::string const& labelLocale();

// The data folder of this installation (holding "locale" and "trv_control_param_table"), found next to this
// library; empty when there is none.
std::string const& dataFolder();

}  // namespace trv::properties::detail
