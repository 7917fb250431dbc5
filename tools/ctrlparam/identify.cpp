#include "tools/ctrlparam/identify.h"

#include <unistd.h>

#include <iostream>
#include <set>

#include "lib/properties/control_param/src/program_records.h"
#include "serialization/json_writer.h"
#include "tools/ctrlparam/record_fit.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using trv::serialization::JsonWriter;

// "ORIN, PELU and BRAX".
std::string moduleList(std::set<int> const& modules) {
  std::vector<std::string> names;
  int index = 0;
  forEachModule([&](auto row) {
    if (modules.count(index++)) names.push_back(moduleName<typename decltype(row)::RecordType>());
  });
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i)
    list += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return list;
}

// The fits of the text; a text that is none (bytes that are no record, a JSON text that does not parse) is
// refused with what the reader says.
Fits fitsOfText(LoadedText const& loaded, Context const& context, std::string const& where) {
  Fits fits;
  try {
    fits = fitsOf(loaded.text);
  } catch (std::exception const& error) {
    throw Failure(where + "not an options text: " + error.what());
  }
  if (!fits.parsed) {
    // The library's reader names what is wrong with a JSON text that does not parse.
    Context any = context;
    any.program = ORIN_A;
    Data data = makeTask(any);
    try {
      data.insertXMLData(loaded.text.text);
    } catch (std::exception const& error) {
      throw Failure(where + "not an options text: " + error.what());
    }
    throw Failure(where + "not an options text: the JSON text does not parse as one object");
  }
  return fits;
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
  if (!context.options && isatty(STDIN_FILENO))
    throw UsageError(
        "identify reads standard input without -i, and standard input is a terminal; give the "
        "text as -i TEXT, -i @FILE or through a pipe");
  LoadedText const loaded = loadText(context.options.value_or(QStringLiteral("-")), context, "");
  std::string const where = loaded.where(loaded.text.line);
  Fits const fits = fitsOfText(loaded, context, where);
  std::vector<ProgrammTypes> const types = fittingPrograms(fits);
  if (types.empty()) {
    std::string list;
    for (std::string const& key : heldByNone(fits)) list += (list.empty() ? "" : ", ") + key;
    throw Failure(where + "no program type holds every field of the text" +
                  (list.empty() ? std::string("; its fields belong to different modules")
                                : "; no module holds " + list));
  }
  std::set<int> spanned;
  for (ProgrammTypes type : types) spanned.insert(moduleOf(type));
  if (context.json) {
    printJson(types, spanned.size() > 1 && !fits.empty, fits.empty);
  } else {
    for (ProgrammTypes type : types)
      visitRecordType(type, [&](auto tag) {
        std::cout << static_cast<int>(type) << '\t' << kProgrammTypeNames[type] << '\t'
                  << moduleName<typename decltype(tag)::type>() << '\n';
      });
  }
  if (fits.empty)
    std::cerr << "ctrlparam: " << where << "a default text: it holds no field, so every program type reads "
              << "its defaults from it\n";
  else if (spanned.size() > 1)
    std::cerr << "ctrlparam: " << where << "ambiguous: the text fits " << moduleList(spanned)
              << "; it holds only fields they share\n";
  return 0;
}

}  // namespace ctrlparam
