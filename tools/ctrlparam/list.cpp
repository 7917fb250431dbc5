#include "tools/ctrlparam/list.h"

#include <algorithm>
#include <iostream>

#include "lib/properties/control_param/src/brax_upgrade.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/json_writer.h"
#include "tools/ctrlparam/task.h"
#include "tools/ctrlparam/text_reading.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using trv::serialization::JsonWriter;

// One text of the input as `list` shows it.
struct Listed {
  InputText const* text = nullptr;
  std::vector<ProgrammTypes> fits;    // the program types whose record holds it
  bool isDefault = false;             // no field: every program type reads its defaults from it
  std::vector<std::string> problems;  // each in a few words
  bool upgradePending = false;
};

std::string joined(std::vector<std::string> const& items, char const* separator) {
  std::string text;
  for (std::string const& item : items) text += (text.empty() ? "" : separator) + item;
  return text;
}

// The phrase of what the key names, as the first module that has a phrase for it says it (a module with a
// field of that name says what is wrong with its value), or none.
std::string phraseOf(TextReading const& reading, std::string const& key) {
  for (ModuleReading const& module : reading.modules)
    for (Finding const& finding : module.findings)
      if (finding.key == key && !finding.phrase.empty()) return finding.phrase;
  return "";
}

// What the strict reading finds wrong with a text whatever its program type: its first fault when it has
// one (what follows it is read from a damaged text); else what no module holds (bytes after the record, a
// second object, values that no record with their field takes, fields), or that its fields belong to
// different modules.
std::vector<std::string> problemsOf(TextReading const& reading) {
  if (Finding const* bad = reading.modules[0].first(Finding::Kind::Bad)) return {bad->phrase};
  std::vector<std::string> problems, fields;
  for (std::string const& key : reading.heldByNone()) {
    std::string phrase = phraseOf(reading, key);
    (phrase.empty() ? fields : problems).push_back(phrase.empty() ? key : std::move(phrase));
  }
  if (!fields.empty()) problems.push_back("fields no module holds: " + joined(fields, ", "));
  if (problems.empty() && reading.fitting().empty()) problems.push_back("fields of different modules");
  return problems;
}

// Whether the text fits the construction-stage module alone and the library's upgrade would change its
// record.
bool upgradePending(InputText const& text, std::vector<ProgrammTypes> const& fits) {
  bool const braxAlone = !fits.empty() && std::all_of(fits.begin(), fits.end(), [](ProgrammTypes type) {
    return moduleOf(type) == moduleOf(BRAX_A);
  });
  return braxAlone && data::upgradePending(data::decodeRecord<BRAX_Control_Properties>(text.text));
}

// The texts in input order; the lines of a text wrapped over lines are one text.
std::vector<Listed> listed(std::vector<InputText> const& texts) {
  InputReadings readings(texts);
  std::vector<Listed> all;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    Listed text;
    text.text = &texts[i];
    if (auto const wrapped = readings.wrappedAround(i)) {
      if (wrapped->first != texts[i].line) continue;
      text.problems.push_back(wrapped->text());
    } else {
      TextReading const& reading = readings.of(i);
      text.fits = reading.fitting();
      text.isDefault = reading.empty;
      text.problems = problemsOf(reading);
      text.upgradePending = upgradePending(texts[i], text.fits);
    }
    if (texts[i].blanksBeforeBrace) text.problems.push_back("blanks before the '{'");
    all.push_back(std::move(text));
    readings.doneWith(i);
  }
  return all;
}

char const* kindOf(InputText const& text) {
  return text.json ? "json" : "base64";
}

void printLines(std::vector<Listed> const& all) {
  for (Listed const& text : all) {
    std::vector<std::string> names;
    for (ProgrammTypes type : text.fits) names.push_back(kProgrammTypeNames[type]);
    std::vector<std::string> state = text.problems;
    if (text.upgradePending) state.push_back("upgrade pending");
    std::cout << text.text->line << '\t' << kindOf(*text.text) << '\t'
              << (text.isDefault  ? "default"
                  : names.empty() ? "-"
                                  : joined(names, ","))
              << '\t' << (state.empty() ? "ok" : joined(state, "; ")) << '\n';
  }
}

void printJson(std::vector<Listed> const& all) {
  JsonWriter out;
  out.StartObject();
  out.Key("texts");
  out.StartArray();
  for (Listed const& text : all) {
    out.StartObject();
    out.Key("line");
    out.Int(text.text->line);
    out.Key("kind");
    out.String(kindOf(*text.text));
    out.Key("fits");
    out.StartArray();
    for (ProgrammTypes type : text.fits) out.String(kProgrammTypeNames[type]);
    out.EndArray();
    out.Key("default");
    out.Bool(text.isDefault);
    out.Key("problems");
    out.StartArray();
    for (std::string const& problem : text.problems) out.String(problem);
    out.EndArray();
    out.Key("upgradePending");
    out.Bool(text.upgradePending);
    out.EndObject();
  }
  out.EndArray();
  out.EndObject();
  std::cout << out.text() << '\n';
}

}  // namespace

int list(Context const& context) {
  InputArgument const given = inputArgument(optionsOrStandardInput(context));
  if (given.line) throw UsageError("list shows every text of its input; it takes no line");
  LoadedText const input = readInput(given.argument, "");
  std::vector<Listed> const all = listed(input.texts);
  context.json ? printJson(all) : printLines(all);
  return std::any_of(all.begin(), all.end(), [](Listed const& text) { return !text.problems.empty(); }) ? 1
                                                                                                        : 0;
}

}  // namespace ctrlparam
