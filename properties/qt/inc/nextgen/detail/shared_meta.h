#pragma once
// Speed-tuned: one settings tree per field and set of choice labels for every task, instead of one per
// property (figures in BENCHMARKS.md, "What was changed to meet the budgets").
//
// Settings trees shared between properties. A field's tree depends only on the field and, for an
// enumeration, on the labels its choices were translated to; properties of every task built from the same
// field with the same labels hold one immutable tree.

#include <functional>
#include <memory>
#include <vector>

#include <QString>

#include "host/trv_properties_qt/Property.h"

namespace trv::properties::nextgen::detail {

// The tree remembered for the field `field` (any object that identifies the field for the life of the
// process) and the choice labels `labels`; `built` is remembered and returned when there is none yet.
std::shared_ptr<Meta const> sharedMeta(void const* field, std::vector<QString> labels,
                                       std::shared_ptr<Meta const> built);

// The same for a tree that `build()` makes only when none is remembered yet.
std::shared_ptr<Meta const> sharedMeta(void const* field, std::vector<QString> labels,
                                       std::function<std::shared_ptr<Meta const>()> const& build);

// The choice labels of a tree: those under "editor.entries", none when it holds no choices.
std::vector<QString> choiceLabels(Meta const& meta);

}  // namespace trv::properties::nextgen::detail
