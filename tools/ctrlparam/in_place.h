#pragma once
// Changing a file's options texts in place (--in-place): each chosen text is replaced by the stored text a
// command makes of its task, every other byte of the file kept, all in one write.

#include <functional>

#include <QString>

#include "tools/ctrlparam/context.h"

namespace trv::control_param {
class Data;
}

namespace ctrlparam {

// What a command makes of a task: the stored text after its change.
using StoredText = std::function<QString(trv::control_param::Data&)>;

// Refuses (UsageError) --in-place without a file and a line or --all, or with both, and --all, --dry-run
// and --drop-foreign where they have nothing to do.
void checkInPlaceUsage(Context const& context);

// Replaces the text that --line (or @FILE:N) names, or each text --all takes, by what `change` makes of its
// task, in one write of the file (none with --dry-run). Every chosen text is loaded and changed before
// anything is written; one that fails stops the command. Notes on standard error say what changed.
int changeInPlace(Context const& context, StoredText const& change);

}  // namespace ctrlparam
