// explain: one option of a program type, found out from the library itself, so that no second table of
// keywords, applicability or switches exists: what makes it apply by the tasks whose inspector has its
// property, what switches it off by the values of other options that make its property show none, and its
// KELMAR lines by writing the task with the option at its default and changed.

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <tuple>

#include "host/trv_properties_qt/PropertyMeta.h"
#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "host/trv_qt2/ValueText.h"
#include "serialization/json_writer.h"
#include "tools/ctrlparam/explain.h"
#include "tools/ctrlparam/records.h"
#include "tools/ctrlparam/task.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using trv::control_param::data::encodeRecord;

// A task holding a stored text, its inspector and the property of one field (null when it has none).
struct Probe {
  explicit Probe(Data task) : data(std::move(task)), inspector(data.createPropertyInspector(nullptr)) {}
  Data data;
  std::unique_ptr<trv::properties::QtInspectorWidget> inspector;
  std::shared_ptr<trv::properties::Property> property;

  // Whether the property shows a value: it is there and no other option switches it off.
  bool shows() const {
    boost::any value;
    auto const& selected = inspector->selectionManager()->selected;
    return property && !selected.empty() && property->getValue(*selected.begin(), value);
  }
};

std::unique_ptr<Probe> probe(Context const& context, ElementKinds kinds, QString const& text,
                             std::string const& field) {
  auto result = std::make_unique<Probe>(makeTask(context, kinds, text));
  for (auto const& property : result->inspector->properties()->list())
    if (property->id == field) result->property = property;
  return result;
}

// The field's property in the inspector of another program type of the same module that has one (a model
// with every kind), or null: the inspector labels an option the same for every program type of a module.
std::unique_ptr<Probe> moduleProbe(Context const& context, QString const& defaults, std::string const& name) {
  std::unique_ptr<Probe> found;
  visitModule(context.requireProgram(), [&](auto row) {
    for (ProgrammTypes type : decltype(row)::types) {
      if (found) return;
      Context other = context;
      other.program = type;
      auto candidate = probe(other, allKinds(), defaults, name);
      if (candidate->property) found = std::move(candidate);
    }
  });
  return found;
}

// The values an option is tried with: its default first, then each other choice, the other switch
// position, or one value for a number.
template <typename T>
std::vector<T> samples(T const& defaultValue) {
  std::vector<T> values{defaultValue};
  if constexpr (reflection::is_schema_enum_v<T>) {
    for (auto const& [value, name] : reflection::enum_traits<T>::maps.value_to_name)
      if (value != defaultValue) values.push_back(value);
  } else if constexpr (std::is_same_v<T, bool>) {
    values.push_back(!defaultValue);
  } else if constexpr (std::is_same_v<T, nullable<double>>) {
    values.push_back(1.5);
  } else if constexpr (std::is_same_v<T, nullable<std::int32_t>>) {
    values.push_back(1);
  } else {
    values.push_back(defaultValue + 1);
  }
  return values;
}

template <typename T>
constexpr bool hasChoices() {
  return reflection::is_schema_enum_v<T> || std::is_same_v<T, bool>;
}

template <typename T>
char const* typeText() {
  if constexpr (reflection::is_schema_enum_v<T>) return "choice";
  if constexpr (std::is_same_v<T, bool>) return "switch (true or false)";
  if constexpr (std::is_same_v<T, nullable<double>>) return "optional real number (empty: not given)";
  if constexpr (std::is_same_v<T, nullable<std::int32_t>>) return "optional whole number (empty: not given)";
  return "whole number";
}

template <typename T>
char const* rangeText() {
  if constexpr (std::is_same_v<T, nullable<double>>)
    return "any real number (KELMAR writes six significant digits)";
  if constexpr (std::is_same_v<T, nullable<std::int32_t>> || std::is_same_v<T, std::int32_t>)
    return "-2147483648 to 2147483647";
  return "";
}

struct KelmarRow {
  std::string value;
  std::vector<std::string> german, english;  // the lines that differ from those of the default
};

struct Explanation {
  std::string field, label, group, type, defaultValue, range, precision, applies, off;
  std::vector<std::tuple<std::string, int, std::string>> choices;  // name, number, label
  std::vector<KelmarRow> kelmar;
};

std::vector<std::string> linesOf(Data& data, int language) {
  std::vector<std::string> lines;
  for (QString const& line : data.getKELMAR(language)) lines.push_back(line.toStdString());
  return lines;
}

std::vector<std::string> without(std::vector<std::string> const& lines,
                                 std::vector<std::string> const& other) {
  std::vector<std::string> rest;
  for (std::string const& line : lines)
    if (std::find(other.begin(), other.end(), line) == other.end()) rest.push_back(line);
  return rest;
}

// What makes the field apply: the element kinds without which the inspector has no property for it.
std::string appliesText(Context const& context, Probe const& everything, QString const& defaults,
                        std::string const& name) {
  if (!everything.property)
    return std::string("never: the inspector of ") + kProgrammTypeNames[context.requireProgram()] +
           " has no property for it";
  if (probe(context, ElementKinds{}, defaults, name)->property) return "always";
  ElementKinds needed;
  for (ModelKind const& row : kModelKinds) {
    ElementKinds lacking = allKinds();
    lacking.*row.has = false;
    needed.*row.has = !probe(context, lacking, defaults, name)->property;
  }
  return "when the model holds " + kindsText(needed);
}

// Bounds and precision where the schema gives them, as the inspector's validator takes them.
void describeBounds(trv::properties::Property const& labelled, Explanation& result) {
  auto bound = [&](char const* key) {
    auto const child = labelled.meta->get_child_optional(key);
    return child ? trv::qt::valueText(*labelled.meta, child->data()).toStdString() : std::string();
  };
  std::string const minimum = bound("validator.minimum"), maximum = bound("validator.maximum");
  if (!minimum.empty() || !maximum.empty())
    result.range = (minimum.empty() ? "" : "from " + minimum) +
                   (minimum.empty() || maximum.empty() ? "" : " ") + (maximum.empty() ? "" : "to " + maximum);
  if (auto const precision = labelled.meta->get_child_optional("validator.precision"))
    if (auto const* digits = boost::any_cast<int>(&precision->data()))
      result.precision = std::to_string(*digits) + " decimal places";
}

// The choices of an enumeration with their labels from the property, where there is one.
template <typename T>
void describeChoices(trv::properties::Property const* labelled, Explanation& result) {
  for (auto const& [value, choice] : reflection::enum_traits<T>::maps.value_to_name) {
    std::string label = choice;
    if (labelled)
      if (auto const entries = labelled->meta->get_child_optional("editor.entries"))
        if (auto const* list = boost::any_cast<trv::properties::EnumEntries>(&entries->data()))
          for (auto const& entry : *list)
            if (auto const* held = boost::any_cast<T>(&entry.second); held && *held == value)
              label = entry.first.toStdString();
    result.choices.emplace_back(choice, static_cast<int>(value), label);
  }
}

// What switches the field off: another option with values at which its property shows no value. `base`
// receives a record with each such option at a value that switches it on.
template <typename Record>
std::string offText(Context const& context, ElementKinds const& model, std::string const& name,
                    Record& base) {
  std::string off;
  reflection::for_each_field<Record>([&](auto other) {
    using Other = decltype(other);
    using U = typename Other::value_type;
    if constexpr (hasChoices<U>()) {
      if (Other::metadata.name == name || !reflection::is_option(Other::metadata)) return;
      std::vector<std::string> offAt;
      std::optional<U> onAt;
      for (U const& value : samples<U>(Other::default_value)) {
        Record record{};
        Other::member(record) = value;
        if (probe(context, model, encodeRecord(record), name)->shows())
          onAt = onAt.value_or(value);
        else
          offAt.push_back(valueText(value));
      }
      if (offAt.empty() || !onAt) return;
      std::string values;
      for (std::string const& value : offAt) values += (values.empty() ? "" : " or ") + value;
      off += (off.empty() ? "while " : "; while ") + Other::metadata.name + " is " + values;
      Other::member(base) = *onAt;
    }
  });
  return off;
}

// The KELMAR lines the field changes, from `base` (the switching options on): for each value the lines that
// the default does not write, for the default those the last value does not; none when no value changes any.
template <typename Record, typename Field>
std::vector<KelmarRow> kelmarRows(Context const& context, ElementKinds const& model, Record const& base) {
  using T = typename Field::value_type;
  std::vector<KelmarRow> full;
  for (T const& value : samples<T>(Field::default_value)) {
    Record record = base;
    Field::member(record) = value;
    Data task = makeTask(context, model, encodeRecord(record));
    full.push_back(KelmarRow{valueText(value) + (full.empty() ? ", the default" : ""), linesOf(task, 0),
                             linesOf(task, 1)});
  }
  std::vector<KelmarRow> rows = full;
  bool any = false;
  for (std::size_t i = 0; i < full.size(); ++i) {
    KelmarRow const& other = i == 0 ? full.back() : full.front();
    rows[i].german = without(full[i].german, other.german);
    rows[i].english = without(full[i].english, other.english);
    any = any || !rows[i].german.empty();
  }
  if (!any) rows.clear();
  return rows;
}

template <typename Record, typename Field>
Explanation explainField(Context const& context, ElementKinds const& model) {
  using T = typename Field::value_type;
  std::string const name = Field::metadata.name;
  Explanation result;
  result.field = name;
  result.type = typeText<T>();
  result.defaultValue = valueText(Field::default_value);
  result.range = rangeText<T>();
  QString const defaults = encodeRecord(Record{});
  auto const everything = probe(context, allKinds(), defaults, name);
  result.applies = appliesText(context, *everything, defaults, name);

  // Label, group and the labels of the choices in the label language, from the inspector's property.
  auto const shown = probe(context, model, defaults, name);
  auto const other = shown->property || everything->property ? nullptr : moduleProbe(context, defaults, name);
  std::shared_ptr<trv::properties::Property> const labelled = shown->property        ? shown->property
                                                              : everything->property ? everything->property
                                                              : other                ? other->property
                                                                                     : nullptr;
  result.label = labelled ? labelled->displayName : "";
  result.group = labelled ? labelled->category : "";
  if (labelled) describeBounds(*labelled, result);
  if constexpr (reflection::is_schema_enum_v<T>) describeChoices<T>(labelled.get(), result);

  Record base{};
  if (shown->property) result.off = offText(context, model, name, base);
  if (result.off.empty()) result.off = "no other option switches it off";
  result.kelmar = kelmarRows<Record, Field>(context, model, base);
  return result;
}

void printText(Explanation const& e, ProgrammTypes type, bool modelGiven) {
  std::cout << "field\t" << e.field << "\nlabel\t" << e.label << "\ngroup\t" << e.group << "\ntype\t"
            << e.type << "\ndefault\t" << e.defaultValue << '\n';
  for (auto const& [name, number, label] : e.choices)
    std::cout << "choice\t" << name << '\t' << number << '\t' << label << '\n';
  if (!e.range.empty()) std::cout << "range\t" << e.range << '\n';
  if (!e.precision.empty()) std::cout << "precision\t" << e.precision << '\n';
  for (KelmarRow const& row : e.kelmar) {
    if (row.german.empty()) std::cout << "kelmar\t" << row.value << "\t(no line)\t(no line)\n";
    for (std::size_t i = 0; i < row.german.size(); ++i)
      std::cout << "kelmar\t" << row.value << '\t' << row.german[i] << '\t'
                << (i < row.english.size() ? row.english[i] : "") << '\n';
  }
  if (e.kelmar.empty())
    std::cout << "kelmar\t-\tnot written for " << kProgrammTypeNames[type]
              << (modelGiven ? " with this model" : "") << '\n';
  std::cout << "applies\t" << e.applies << "\noff\t" << e.off << '\n';
}

void printJson(Explanation const& e, ProgrammTypes type) {
  JsonWriter out;
  auto text = [&](char const* key, std::string const& value) {
    out.Key(key);
    out.String(value);
  };
  auto lines = [&](char const* key, std::vector<std::string> const& list) {
    out.Key(key);
    out.StartArray();
    for (std::string const& line : list) out.String(line.c_str());
    out.EndArray();
  };
  out.StartObject();
  text("program", kProgrammTypeNames[type]);
  text("field", e.field);
  text("label", e.label);
  text("group", e.group);
  text("type", e.type);
  text("default", e.defaultValue);
  out.Key("choices");
  out.StartArray();
  for (auto const& [name, number, label] : e.choices) {
    out.StartObject();
    text("name", name);
    out.Key("number");
    out.Int(number);
    text("label", label);
    out.EndObject();
  }
  out.EndArray();
  text("range", e.range);
  text("precision", e.precision);
  out.Key("kelmar");
  out.StartArray();
  for (KelmarRow const& row : e.kelmar) {
    out.StartObject();
    text("value", row.value);
    lines("de", row.german);
    lines("en", row.english);
    out.EndObject();
  }
  out.EndArray();
  text("applies", e.applies);
  text("off", e.off);
  out.EndObject();
  std::cout << out.text() << '\n';
}

}  // namespace

int explain(Context const& context) {
  if (context.arguments.size() != 1) throw UsageError("explain needs one FIELD");
  ProgrammTypes const type = context.requireProgram();
  std::string const name = context.arguments.first().toStdString();
  requireField(type, context.arguments.first());
  ElementKinds const model = context.modelGiven ? parseModel(context.model) : allKinds();
  applyLocale(context);
  Explanation explanation;
  visitRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    reflection::visit_field<Record>(
        name, [&](auto field) { explanation = explainField<Record, decltype(field)>(context, model); });
  });
  if (context.json)
    printJson(explanation, type);
  else
    printText(explanation, type, context.modelGiven);
  return 0;
}

}  // namespace ctrlparam
