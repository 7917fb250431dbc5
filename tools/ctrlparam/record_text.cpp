#include "tools/ctrlparam/record_text.h"

#include <algorithm>

#include "tools/ctrlparam/records.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;

// A value in Simple JSON, as --options reads it back: an optional value as [] or [value], a choice by its
// enumerator name (its number when it is none).
template <typename T>
void writeSimpleJson(JsonWriter& out, T const& value) {
  if constexpr (reflection::is_nullable_v<T>) {
    out.StartArray();
    if (value) writeSimpleJson(out, *value);
    out.EndArray();
  } else if constexpr (std::is_same_v<T, double>) {
    if (!std::isfinite(value)) throw Failure("a value that is not finite has no Simple JSON form");
    out.Double(value);
  } else {
    writeValue(out, value);
  }
}

template <typename F>
void withRecordType(ProgrammTypes type, F&& f) {
  if (!visitRecordType(type, f)) throw Failure("program type out of range");
}

// Calls `f(Field, value, changed)` for each field `shown` names.
template <typename Record, typename F>
void forShownFields(Record const& record, ShownFields const& shown, F&& f) {
  auto const holds = [](std::vector<std::string> const& names, std::string const& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    auto const& value = Field::member(record);
    bool const changed = holds(shown.options, Field::metadata.name) && !(value == Field::default_value);
    bool const named = shown.names.empty() || holds(shown.names, Field::metadata.name);
    if ((!shown.changedOnly || changed) && named) f(field, value, changed);
  });
}

// A field or member passed over as `recordDiff` gives it: a line and an object.
void addPassed(PassedDifference const& difference, std::string& lines, JsonWriter& out) {
  lines +=
      '#' + difference.name + '\t' + difference.a.value_or("-") + '\t' + difference.b.value_or("-") + '\n';
  out.StartObject();
  out.Key("id");
  out.String(difference.name);
  for (auto const& [key, value] : {std::pair{"a", &difference.a}, std::pair{"b", &difference.b}}) {
    out.Key(key);
    if (*value)
      out.String(**value);
    else
      out.Null();
  }
  out.EndObject();
}

void beginDocument(JsonWriter& out, ProgrammTypes type) {
  out.StartObject();
  out.Key("program");
  out.String(kProgrammTypeNames[type]);
}

}  // namespace

std::string recordLines(Data& data, ProgrammTypes type, ShownFields const& shown) {
  std::string lines;
  withRecordType(type, [&](auto tag) {
    auto const record = readRecord<typename decltype(tag)::type>(data);
    forShownFields(record, shown, [&](auto field, auto const& value, bool) {
      lines += decltype(field)::metadata.name + '\t' + valueText(value) + '\n';
    });
  });
  return lines;
}

std::vector<std::string> changedOptions(Data& data, ProgrammTypes type,
                                        std::vector<std::string> const& options) {
  std::vector<std::string> names;
  withRecordType(type, [&](auto tag) {
    forShownFields(readRecord<typename decltype(tag)::type>(data), ShownFields{options, true, {}},
                   [&](auto field, auto const&, bool) { names.push_back(decltype(field)::metadata.name); });
  });
  return names;
}

std::string recordLinesJson(Data& data, ProgrammTypes type, ShownFields const& shown) {
  JsonWriter out;
  beginDocument(out, type);
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    out.Key("module");
    out.String(moduleName<Record>().c_str());
    out.Key("fields");
    out.StartArray();
    auto const record = readRecord<Record>(data);
    forShownFields(record, shown, [&](auto field, auto const& value, bool changed) {
      using T = std::decay_t<decltype(value)>;
      out.StartObject();
      out.Key("name");
      out.String(decltype(field)::metadata.name.c_str());
      out.Key("value");
      writeValue(out, value);
      if constexpr (reflection::is_schema_enum_v<T>) {
        out.Key("number");
        out.Int(static_cast<std::int32_t>(value));
      }
      out.Key("changed");
      out.Bool(changed);
      out.EndObject();
    });
    out.EndArray();
  });
  out.EndObject();
  return out.text() + '\n';
}

std::string recordDiff(Data& a, Data& b, ProgrammTypes type, std::vector<PassedDifference> const& passed,
                       bool json) {
  std::string lines;
  JsonWriter out;
  beginDocument(out, type);
  out.Key("differences");
  out.StartArray();
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const first = readRecord<Record>(a), second = readRecord<Record>(b);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      std::string const one = valueText(Field::member(first)), other = valueText(Field::member(second));
      if (one == other) return;
      lines += Field::metadata.name + '\t' + one + '\t' + other + '\n';
      out.StartObject();
      out.Key("name");
      out.String(Field::metadata.name.c_str());
      out.Key("a");
      writeValue(out, Field::member(first));
      out.Key("b");
      writeValue(out, Field::member(second));
      out.EndObject();
    });
  });
  for (PassedDifference const& difference : passed) addPassed(difference, lines, out);
  out.EndArray();
  out.EndObject();
  if (!json) return lines;
  return out.text() + '\n';
}

std::string recordJson(Data& data, ProgrammTypes type) {
  JsonWriter out;
  out.StartObject();
  withRecordType(type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    Record const record = readRecord<Record>(data);
    reflection::for_each_field<Record>([&](auto field) {
      using Field = decltype(field);
      out.Key(Field::metadata.name);
      writeSimpleJson(out, Field::member(record));
    });
  });
  out.EndObject();
  return out.text();
}

}  // namespace ctrlparam
