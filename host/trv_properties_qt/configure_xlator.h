#pragma once
// Stand-in for the suite's translator set-up of one option record.

#include <string>

namespace trv::translation {
class Xlator;
}

namespace trv::properties::detail {

// Registers the catalogue domain of the record `qualifiedName` in the translator, with the catalogue and
// override folders of this installation.
void configure_xlator(translation::Xlator& xlator, std::string const& qualifiedName);

}  // namespace trv::properties::detail
