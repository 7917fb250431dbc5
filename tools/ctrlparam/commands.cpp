#include "tools/ctrlparam/commands.h"

#include <iostream>
#include <set>

#include <QString>

#include "host/trv_logging/UILogEntryCollectorSink.h"
#include "tools/ctrlparam/arguments.h"
#include "tools/ctrlparam/record_text.h"
#include "tools/ctrlparam/records.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;

void print(QString const& text) {
  std::cout << text.toStdString();
}

std::vector<QString> kelmarLines(Data& data, int language) {
  return data.getKELMAR(language);
}

// Warnings about what the KELMAR lines do not say: a changed option they leave out (the lines are the same
// with the option at its default) and a real value written with fewer digits than it has.
void kelmarWarnings(Context const& context, Data& data, std::vector<QString> const& lines) {
  ProgrammTypes const type = context.requireProgram();
  auto const kinds = parseModel(context.model);
  std::string unwritten;
  visitRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const record = readRecord<Record>(data);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      auto const& value = Field::member(record);
      if (!isOption<Field>() || value == Field::default_value) return;
      Record atDefault = record;
      Field::member(atDefault) = Field::default_value;
      Data other = makeTask(context, kinds, storedText(atDefault));
      std::string const name = Field::metadata.name;
      if (kelmarLines(other, context.language) == lines) {
        unwritten += (unwritten.empty() ? "" : ", ") + name;
        return;
      }
      if constexpr (std::is_same_v<std::decay_t<decltype(value)>, nullable<double>>) {
        QString const written = QString::number(*value, 'g', 6);
        if (std::isfinite(*value) && written.toDouble() != *value)
          warn(name + ' ' + realText(*value) + " is written as " + written.toStdString());
      }
    });
  });
  if (!unwritten.empty())
    warn("changed but not written for " + std::string(kProgrammTypeNames[type]) +
         " with this model: " + unwritten);
}

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

}  // namespace

int programs(Context const&) {
  for (int value = 0; value < kProgrammTypeCount; ++value) {
    auto const type = static_cast<ProgrammTypes>(value);
    visitRecordType(type, [&](auto tag) {
      std::cout << value << '\t' << kProgrammTypeNames[value] << '\t'
                << moduleName<typename decltype(tag)::type>() << '\n';
    });
  }
  return 0;
}

int show(Context const& context) {
  Data data = makeTask(context);
  ProgrammTypes const type = context.requireProgram();
  std::cout << (context.json ? recordLinesJson(data, type, context.changed)
                             : recordLines(data, type, context.changed));
  return 0;
}

int json(Context const& context) {
  Data data = makeTask(context);
  std::cout << recordJson(data, context.requireProgram()) << '\n';
  return 0;
}

int store(Context const& context) {
  Data data = makeTask(context);
  print(data.getXMLData());
  return 0;
}

int kelmar(Context const& context) {
  Data data = makeTask(context);
  std::vector<QString> const lines = kelmarLines(data, context.language);
  for (QString const& line : lines) print(line + QLatin1Char('\n'));
  kelmarWarnings(context, data, lines);
  return 0;
}

// Exit status as diff(1): 0 equal, 1 different, 2 trouble (main makes every failure of diff trouble).
int diff(Context const& context) {
  if (context.arguments.size() != 2) throw UsageError("diff needs two stored texts A and B");
  if (context.arguments[0] == QLatin1String("-") && context.arguments[1] == QLatin1String("-"))
    throw UsageError("standard input ('-') can be read once");
  auto load = [&](QString const& text, char const* label) {
    Context one = context;
    one.options.reset();
    Data data = makeTask(one);
    loadInto(data, loadText(text, context, label), context);
    return data;
  };
  Data a = load(context.arguments[0], "A");
  Data b = load(context.arguments[1], "B");
  ProgrammTypes const type = context.requireProgram();
  std::string const lines = recordDiff(a, b, type);
  std::cout << (context.json ? recordDiff(a, b, type, true) : lines);
  return lines.empty() ? 0 : 1;
}

int upgrade(Context const& context) {
  Data data = makeTask(context);
  QString const before = data.getXMLData();
  trv::logging::UILogEntryCollectorSink sink;
  data.test4upgrade(sink);
  if (!context.textOnly)
    for (auto const& entry : sink.entries()) std::cout << entry.message << '\n';
  data.upgrade();
  QString const after = data.getXMLData();
  if (context.checkOnly) return after == before ? 0 : 1;
  print(after);
  return 0;
}

// The program types whose record can hold every field of the text; "ambiguous" when they span modules.
int identify(Context const& context) {
  LoadedText const loaded = loadText(context.options.value_or(QStringLiteral("-")), context, "");
  std::string const where = loaded.where(loaded.text.line);
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
    out.Bool(spanned.size() > 1 && !fits.empty);
    out.Key("default");
    out.Bool(fits.empty);
    out.EndObject();
    std::cout << out.text() << '\n';
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

int help(Context const& context) {
  if (context.arguments.isEmpty()) {
    std::cout << overviewHelp();
    return 0;
  }
  Command const* command = findCommand(context.arguments.first());
  if (!command) throw UsageError("unknown command '" + context.arguments.first().toStdString() + "'");
  std::cout << commandHelp(*command);
  return 0;
}

int calcMethod(Context const& context) {
  QString const source = context.arguments.isEmpty() ? QStringLiteral("-") : context.arguments.first();
  QString const xml = inputText(source == QLatin1String("-") ? source : QLatin1Char('@') + source);
  std::cout << Data::getCalculationMethod(xml) << '\n';
  return 0;
}

}  // namespace ctrlparam
