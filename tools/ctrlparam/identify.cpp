#include "tools/ctrlparam/identify.h"

#include <algorithm>
#include <iostream>
#include <set>

#include "lib/properties/control_param/src/program_records.h"
#include "serialization/json_writer.h"
#include "tools/ctrlparam/task.h"
#include "tools/ctrlparam/text_reading.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using trv::serialization::JsonWriter;

// "ORIN, PELU and BRAX".
std::string moduleList(std::set<std::size_t> const& modules) {
  std::vector<std::string> names;
  std::size_t index = 0;
  forEachModule([&](auto row) {
    if (modules.count(index++)) names.push_back(moduleName<typename decltype(row)::RecordType>());
  });
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i)
    list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return list;
}

// Refuses what every command refuses in a text whatever its program type (what no module holds: bad Base64,
// a reader that fails, a JSON member no record takes as written), and warns of bytes after the record.
void judgeAnyType(LoadedText const& loaded, Context const& context) {
  TextReading const& reading = loaded.reading;
  std::vector<std::string> const none = reading.heldByNone();
  auto heldByNone = [&](Finding const& finding) {
    return std::find(none.begin(), none.end(), finding.key) != none.end();
  };
  for (Finding const& finding : reading.modules[0].findings) {
    if (!heldByNone(finding)) continue;
    if (finding.kind == Finding::Kind::Bad || (finding.kind == Finding::Kind::Refused && !context.lenient))
      throw Failure(loaded.where(finding) + finding.message);
    if (finding.kind == Finding::Kind::Refused) warn(loaded.where(finding) + finding.lenient);
    if (finding.kind == Finding::Kind::Trailing) {
      if (context.strict) throw Failure(loaded.where(finding) + finding.message);
      warn(loaded.where(finding) + finding.message);
    }
  }
  warnBlanksBeforeBrace(loaded);
}

// Why no program type holds a text: the fields no module holds (a field whose number is no choice of its
// enumeration by its name and value), or fields that belong to different modules.
std::string whyNone(TextReading const& reading) {
  std::string unheld, noChoice;
  for (std::string const& key : reading.heldByNone()) {
    if (key == "after the record") continue;
    Finding const* kept = nullptr;
    for (ModuleReading const& module : reading.modules)
      for (Finding const& finding : module.findings)
        if (!kept && finding.key == key && finding.kept) kept = &finding;
    if (kept)
      noChoice += "; " + kept->message;
    else
      unheld += (unheld.empty() ? "" : ", ") + key;
  }
  if (unheld.empty() && noChoice.empty()) return "; its fields belong to different modules";
  return (unheld.empty() ? "" : "; no module holds " + unheld) + noChoice;
}

void printJson(std::vector<ProgrammTypes> const& types, bool ambiguous, bool isDefault) {
  JsonWriter out;
  out.StartObject();
  out.Key("programs");
  out.StartArray();
  for (ProgrammTypes type : types) {
    out.StartObject();
    out.Key("value");
    out.Int(type);
    out.Key("name");
    out.String(kProgrammTypeNames[type]);
    out.EndObject();
  }
  out.EndArray();
  out.Key("ambiguous");
  out.Bool(ambiguous);
  out.Key("default");
  out.Bool(isDefault);
  out.EndObject();
  std::cout << out.text() << '\n';
}

}  // namespace

int identify(Context const& context) {
  LoadedText const loaded = loadText(optionsOrStandardInput(context), context, "");
  std::string const where = loaded.where(loaded.text().line);
  judgeAnyType(loaded, context);
  std::vector<ProgrammTypes> const types = loaded.reading.fitting();
  if (types.empty())
    throw Failure(where + "no program type holds every field of the text" + whyNone(loaded.reading));
  std::set<std::size_t> spanned;
  for (ProgrammTypes type : types) spanned.insert(moduleOf(type));
  if (context.json) {
    printJson(types, spanned.size() > 1 && !loaded.reading.empty, loaded.reading.empty);
  } else {
    for (ProgrammTypes type : types)
      visitRecordType(type, [&](auto tag) {
        std::cout << static_cast<int>(type) << '\t' << kProgrammTypeNames[type] << '\t'
                  << moduleName<typename decltype(tag)::type>() << '\n';
      });
  }
  if (loaded.reading.empty)
    note(where + "a default text: it holds no field, so every program type reads its defaults from it");
  else if (spanned.size() > 1)
    note(where + "ambiguous: the text fits " + moduleList(spanned) + "; it holds only fields they share");
  return 0;
}

}  // namespace ctrlparam
