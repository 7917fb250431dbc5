#pragma once
// The kinds of element an analysis model holds, by the names `--model` takes: the one table of them.

#include <string>

#include <QString>

#include "host/trv_dbo/dbo.h"

namespace ctrlparam {

using ElementKinds = trv::dbo::standin::ElementKinds;

struct ModelKind {
  char const* name;
  bool ElementKinds::*has;
};

inline constexpr ModelKind kModelKinds[] = {{"quads", &ElementKinds::quads},
                                            {"brics", &ElementKinds::brics},
                                            {"beams", &ElementKinds::beams},
                                            {"cables", &ElementKinds::cables},
                                            {"springs", &ElementKinds::springs}};

// A comma list of kind names, "all" or "none"; throws UsageError for another word.
ElementKinds parseModel(QString const& text);

// A model that holds every kind.
ElementKinds allKinds();

// The kinds the model holds, "quads and beams"; with `separator` ", " the names of all, "quads, brics, ...".
std::string kindsText(ElementKinds const& kinds, char const* separator = " and ");

}  // namespace ctrlparam
