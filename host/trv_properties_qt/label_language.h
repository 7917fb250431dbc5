#pragma once
// Stand-in for the host's choice of the language that labels, choices and the inspector's own texts are shown
// in (a real host has its own). Labels are fixed when a task is built, so a choice applies to the tasks made
// after it.

#include <functional>
#include <string>

namespace trv::properties {

// Chooses the label language of the tasks made from now on and returns it ("de", "en"). `localeName` (for
// example "de_DE.UTF-8") is taken when given; an empty name follows the environment as gettext does: the
// first language of LANGUAGE that has catalogues (English when none has), unless the messages locale is C,
// C.UTF-8 or POSIX; then the messages locale of LC_ALL, LC_MESSAGES or LANG. LC_CTYPE never chooses. A
// language without catalogues is given the English ones, as C and POSIX are. The Qt translations of the
// widgets' and the library's own texts follow (trv_qt_installTranslators). Safe to call from any thread.
std::string chooseLabelLanguage(std::string const& localeName = {});

// The language chosen last; until chooseLabelLanguage is called, the environment's.
std::string labelLanguage();

// The choice itself: the language for `localeName` (empty: the environment `variable` reads), given which
// languages `hasCatalogues`.
std::string labelLanguageFor(std::string const& localeName,
                             std::function<char const*(char const*)> const& variable,
                             std::function<bool(std::string const&)> const& hasCatalogues);

}  // namespace trv::properties
