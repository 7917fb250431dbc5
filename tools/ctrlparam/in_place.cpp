#include "tools/ctrlparam/in_place.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "lib/properties/control_param/src/Data.h"
#include "tools/ctrlparam/file_write.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {
namespace {

using trv::control_param::ProgrammTypes;

// Whether the fields of a text belong to the module of `type` alone: its record is the only one that holds
// every field of the text that any module holds (bytes after the record are no field). So a text of that
// module with a stray field belongs to it, and the stray field stops the command.
bool belongsTo(TextReading const& reading, ProgrammTypes type) {
  if (reading.empty) return false;
  std::vector<std::string> const strays = reading.heldByNone();
  auto holds = [&](ModuleReading const& module) {
    return std::all_of(module.findings.begin(), module.findings.end(), [&](Finding const& finding) {
      return finding.kind == Finding::Kind::Trailing ||
             std::find(strays.begin(), strays.end(), finding.key) != strays.end();
    });
  };
  std::size_t const own = moduleOf(type);
  for (std::size_t module = 0; module < kModuleCount; ++module)
    if (holds(reading.modules[module]) != (module == own)) return false;
  return true;
}

// Why --all leaves a text as it is.
std::string whyLeft(TextReading const& reading, ProgrammTypes type) {
  if (reading.empty) return "a default text";
  if (reading.of(type).first(Finding::Kind::Bad)) return "no options text";
  return "fits " + programList(reading.fitting());
}

// The texts a run changes (indices into the input's texts), and those --all leaves with why.
struct Selection {
  std::vector<std::size_t> texts;
  std::vector<std::string> left;
};

// A wrapped text is judged as a whole, joined, and named once by its first line: one that belongs to the
// module stops the command.
Selection selectAll(LoadedText const& loaded, InputReadings& readings, ProgrammTypes type) {
  Selection selection;
  std::vector<InputText> const& texts = loaded.texts;
  for (std::size_t index = 0; index < texts.size(); ++index) {
    std::string const line = "line " + std::to_string(texts[index].line);
    if (auto const wrapped = readings.wrappedAround(index)) {
      if (texts[index].line != wrapped->first) continue;
      if (belongsTo(*wrapped->joined, type))
        throw Failure(loaded.where(texts[index].line) + wrapped->refusal());
      selection.left.push_back(line + " (" + wrapped->text() + ')');
    } else if (belongsTo(readings.of(index), type)) {
      selection.texts.push_back(index);
    } else {
      selection.left.push_back(line + " (" + whyLeft(readings.of(index), type) + ')');
    }
  }
  return selection;
}

// "line 3" or "lines 3 and 9".
std::string lines(std::vector<int> const& numbers) {
  return (numbers.size() == 1 ? "line " : "lines ") + lineList(numbers);
}

// What a run changed (or would change), for the note of --all and --dry-run.
std::string summary(Context const& context, std::vector<int> const& changed, std::vector<int> const& same,
                    std::vector<std::string> const& left) {
  std::string text = changed.empty()       ? "no text"
                     : changed.size() == 1 ? "1 text"
                                           : std::to_string(changed.size()) + " texts";
  text += context.dryRun ? " would change" : " changed";
  if (!changed.empty()) text += " (" + lines(changed) + ')';
  if (!same.empty()) text += "; unchanged: " + lines(same);
  for (std::size_t i = 0; i < left.size(); ++i)
    text += (i ? ", " : left.size() == 1 ? "; left as it is: " : "; left as they are: ") + left[i];
  return text;
}

}  // namespace

void checkInPlaceUsage(Context const& context) {
  if (!context.inPlace) {
    for (auto const& [given, name] :
         {std::pair{context.all, "--all"}, std::pair{context.dryRun, "--dry-run"}})
      if (given) throw UsageError(std::string(name) + " goes with --in-place");
    if (context.dropForeign && context.command != QLatin1String("edit"))
      throw UsageError("--drop-foreign goes with --in-place");
    return;
  }
  if (context.command == QLatin1String("upgrade") && !context.textOnly)
    throw UsageError("upgrade takes --in-place with --text");
  if (!context.options || !context.options->startsWith(QLatin1Char('@')))
    throw UsageError("--in-place writes into a file: give it as -i @FILE");
  bool const line = context.line || inputArgument(*context.options).line;
  if (line && context.all) throw UsageError("--all takes every text of the file; give no line with it");
  if (!line && !context.all)
    throw UsageError("--in-place needs the text's line (--line N or @FILE:N) or --all");
}

int changeInPlace(Context const& context, StoredText const& change) {
  ProgrammTypes const type = context.requireProgram();
  LoadedText loaded = context.all ? readInput(*context.options, "") : loadText(*context.options, context, "");
  InputReadings readings(loaded.texts);
  Selection const selection =
      context.all ? selectAll(loaded, readings, type) : Selection{{loaded.chosen}, {}};
  // Every chosen text loaded (and refused) and changed before anything is written.
  std::vector<std::string> stored;
  for (std::size_t index : selection.texts) {
    loaded.chosen = index;
    loaded.reading = readings.of(index);
    trv::control_param::Data data = makeTask(context, loaded);
    QByteArray text = change(data).toUtf8();
    while (text.endsWith('\n')) text.chop(1);
    stored.push_back(text.toStdString());
  }
  std::vector<Replacement> replacements;
  std::vector<int> changed, same, json;
  for (std::size_t i = 0; i < stored.size(); ++i) {
    InputText const& text = loaded.texts[selection.texts[i]];
    if (loaded.input.compare(text.range.begin, text.range.end - text.range.begin, stored[i]) == 0) {
      same.push_back(text.line);
      continue;
    }
    replacements.push_back({text.range, stored[i]});
    changed.push_back(text.line);
    if (text.json) json.push_back(text.line);
  }
  if (!context.dryRun && !replacements.empty())
    writeReplaced(loaded.fileName.toStdString(), loaded.input, replacements);
  if (!json.empty())
    note(loaded.source + ": the JSON " + (json.size() == 1 ? "text on " : "texts on ") + lines(json) +
         (context.dryRun     ? " would be"
          : json.size() == 1 ? " is"
                             : " are") +
         " written as the stored form (Base64)");
  if (context.all || context.dryRun)
    note(loaded.source + ": " + summary(context, changed, same, selection.left));
  return 0;
}

}  // namespace ctrlparam
