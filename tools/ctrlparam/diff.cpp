#include "tools/ctrlparam/diff.h"

#include <algorithm>
#include <iostream>
#include <map>
#include <utility>

#include <dtl/dtl.hpp>

#include "tools/ctrlparam/record_text.h"
#include "tools/ctrlparam/records.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {
namespace {

using trv::control_param::Data;
using trv::control_param::kProgrammTypeNames;
using trv::control_param::ProgrammTypes;

// One of the two texts compared, and the task holding it.
struct Side {
  LoadedText loaded;
  Data data;
  std::string label;  // how the comparison names it: "A", the file (and line), "standard input"
};

// Refuses a text that other program types hold as it is and `type` does not: its fields are another
// module's, and compared as fields of `type` they would only be listed as passed over.
void requireOwnModule(LoadedText const& loaded, ProgrammTypes type) {
  std::vector<ProgrammTypes> const fitting = loaded.reading.fitting();
  if (fitting.empty() || loaded.reading.of(type).fits()) return;
  throw Failure(loaded.where(loaded.text().line) + "a text of " + programList(fitting) + ", not of " +
                kProgrammTypeNames[type] + ": its fields belong to another module");
}

Side load(Context const& context, QString const& argument, char const* label) {
  Context one = context;
  one.options.reset();
  Side side{loadText(argument, context, label), makeTask(one), label};
  LoadedText const& loaded = side.loaded;
  requireOwnModule(loaded, context.requireProgram());
  loadInto(side.data, loaded, context);
  if (!loaded.asGiven)
    side.label =
        loaded.texts.size() > 1 ? loaded.source + ':' + std::to_string(loaded.text().line) : loaded.source;
  return side;
}

// The fields and members that the record passes over in each text (the same name again counts apart), where
// the two texts differ: A's in their order, then those only B has.
std::vector<PassedDifference> passedDifferences(ModuleReading const& a, ModuleReading const& b) {
  using Key = std::pair<std::string, int>;  // the name and which of its occurrences
  auto keyed = [](ModuleReading const& reading) {
    std::vector<std::pair<Key, std::string>> passed;
    std::map<std::string, int> seen;
    for (Finding const& finding : reading.findings)
      if (finding.passed)
        passed.push_back({{finding.passed->name, seen[finding.passed->name]++}, finding.passed->value});
    return passed;
  };
  auto const inA = keyed(a), inB = keyed(b);
  auto valueIn = [](auto const& passed, Key const& key) -> std::optional<std::string> {
    auto const found =
        std::find_if(passed.begin(), passed.end(), [&](auto const& one) { return one.first == key; });
    return found == passed.end() ? std::nullopt : std::optional(found->second);
  };
  std::vector<PassedDifference> differences;
  for (auto const& [key, value] : inA)
    if (auto const other = valueIn(inB, key); other != value)
      differences.push_back({key.first, value, other});
  for (auto const& [key, value] : inB)
    if (!valueIn(inA, key)) differences.push_back({key.first, std::nullopt, value});
  return differences;
}

// The same as one JSON document: {"program", "a", "b", "lines": [{"mark", "text"}, ...]}.
std::string kelmarDiffJson(Side const& a, Side const& b, ProgrammTypes type,
                           std::vector<std::pair<char, std::string>> const& marked) {
  JsonWriter out;
  out.StartObject();
  out.Key("program");
  out.String(kProgrammTypeNames[type]);
  out.Key("a");
  out.String(a.label);
  out.Key("b");
  out.String(b.label);
  out.Key("lines");
  out.StartArray();
  for (auto const& [mark, line] : marked) {
    out.StartObject();
    out.Key("mark");
    out.String(std::string(1, mark));
    out.Key("text");
    out.String(line);
    out.EndObject();
  }
  out.EndArray();
  out.EndObject();
  return out.text() + '\n';
}

// The KELMAR lines of the two tasks as a unified diff that holds every line: " " in both, "-" only in A,
// "+" only in B; nothing when they are the same. Exit status as diff(1).
int kelmarDiff(Side& a, Side& b, Context const& context) {
  std::vector<std::string> lines[2];
  for (Side* side : {&a, &b})
    for (QString const& line : side->data.getKELMAR(context.language))
      lines[side == &b].push_back(line.toStdString());
  dtl::Diff<std::string> script(lines[0], lines[1], /*deletesFirst=*/true);
  script.compose();
  std::vector<std::pair<char, std::string>> marked;
  if (script.getEditDistance() > 0)
    for (auto const& [line, info] : script.getSes().getSequence())
      marked.emplace_back(info.type == dtl::SES_ADD ? '+' : info.type == dtl::SES_DELETE ? '-' : ' ', line);
  if (context.json) {
    std::cout << kelmarDiffJson(a, b, context.requireProgram(), marked);
  } else if (!marked.empty()) {
    // A range of the hunk as diff(1) writes it: its length left out when it is 1, line 0 when it is empty.
    auto range = [](std::size_t count) {
      return count == 0 ? std::string("0,0") : count == 1 ? std::string("1") : "1," + std::to_string(count);
    };
    std::cout << "--- " << a.label << "\n+++ " << b.label << "\n@@ -" << range(lines[0].size()) << " +"
              << range(lines[1].size()) << " @@\n";
    for (auto const& [mark, line] : marked) std::cout << mark << line << '\n';
  }
  return marked.empty() ? 0 : 1;
}

}  // namespace

int diff(Context const& context) {
  if (context.arguments.size() != 2) throw UsageError("diff needs two stored texts A and B");
  if (context.arguments[0] == QLatin1String("-") && context.arguments[1] == QLatin1String("-"))
    throw UsageError("standard input ('-') can be read once");
  Side a = load(context, context.arguments[0], "A");
  Side b = load(context, context.arguments[1], "B");
  if (context.kelmar) return kelmarDiff(a, b, context);
  ProgrammTypes const type = context.requireProgram();
  std::vector<PassedDifference> const passed =
      passedDifferences(a.loaded.reading.of(type), b.loaded.reading.of(type));
  std::string const lines = recordDiff(a.data, b.data, type, passed);
  std::cout << (context.json ? recordDiff(a.data, b.data, type, passed, true) : lines);
  return lines.empty() ? 0 : 1;
}

}  // namespace ctrlparam
