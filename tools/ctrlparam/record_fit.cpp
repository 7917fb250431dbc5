#include "tools/ctrlparam/record_fit.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

#include <rapidjson/reader.h>
#include <QByteArray>

#include "lib/properties/control_param/src/program_records.h"
#include "serialization/compact_binary.h"
#include "serialization/json_parser.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
namespace wire = trv::serialization::compact_binary;

// --- JSON members, as a strict reading sees them ---------------------------------------------------------

enum class Kind { Null, Bool, Number, String, Array, Object };

struct Scalar {
  Kind kind = Kind::Null;
  std::string text;  // Number: as written; String: decoded
  bool boolean = false;
};

struct Member {
  std::string name;
  Scalar value;
  std::size_t count = 0;  // Array: its elements
  Scalar first;           // Array: the first element (Kind Array or Object when nested)
};

// Collects the root object's members; anything but one object fails the parse.
class MemberCollector : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, MemberCollector> {
 public:
  std::vector<Member> members;

  bool Null() { return scalar(Scalar{}); }
  bool Bool(bool b) { return scalar(Scalar{Kind::Bool, {}, b}); }
  bool RawNumber(char const* text, rapidjson::SizeType length, bool) {
    return scalar(Scalar{Kind::Number, std::string(text, length), false});
  }
  bool String(char const* text, rapidjson::SizeType length, bool) {
    return scalar(Scalar{Kind::String, std::string(text, length), false});
  }
  bool Key(char const* text, rapidjson::SizeType length, bool) {
    if (depth_ == 1) name_.assign(text, length);
    return true;
  }
  bool StartObject() { return open(Kind::Object); }
  bool EndObject(rapidjson::SizeType) { return close(); }
  bool StartArray() { return open(Kind::Array); }
  bool EndArray(rapidjson::SizeType) { return close(); }

 private:
  bool scalar(Scalar const& value) {
    if (depth_ == 0) return false;
    if (depth_ == 1) members.push_back(Member{name_, value, 0, {}});
    if (depth_ == 2 && inArray_ && members.back().count++ == 0) members.back().first = value;
    return true;
  }
  bool open(Kind kind) {
    if (depth_ >= trv::serialization::simple_json::kMaxNesting || (depth_ == 0 && kind != Kind::Object))
      return false;
    if (depth_ == 1) {
      members.push_back(Member{name_, Scalar{kind, {}, false}, 0, {}});
      inArray_ = kind == Kind::Array;
    } else if (depth_ == 2 && inArray_ && members.back().count++ == 0) {
      members.back().first = Scalar{kind, {}, false};
    }
    ++depth_;
    return true;
  }
  bool close() {
    if (--depth_ == 1) inArray_ = false;
    return true;
  }

  std::size_t depth_ = 0;
  bool inArray_ = false;
  std::string name_;
};

// The members of a compact JSON object, or nothing when it does not parse as one. Parsed in place and by
// recursion, so rapidjson's own work stack (undefined behaviour on its first push) is never used; the
// nesting is bounded as the library's parser bounds it.
std::optional<std::vector<Member>> membersOf(std::string json) {
  rapidjson::InsituStringStream stream(json.data());
  MemberCollector collector;
  rapidjson::Reader reader;
  constexpr unsigned kFlags = rapidjson::kParseInsituFlag | rapidjson::kParseNumbersAsStringsFlag;
  if (!reader.Parse<kFlags>(stream, collector)) return std::nullopt;
  return std::move(collector.members);
}

std::string shown(Scalar const& value) {
  switch (value.kind) {
    case Kind::Null:
      return "null";
    case Kind::Bool:
      return value.boolean ? "true" : "false";
    case Kind::Number:
      return value.text;
    case Kind::String:
      return '"' + value.text + '"';
    case Kind::Array:
      return "an array";
    case Kind::Object:
      return "an object";
  }
  return {};
}

bool isIntegerLiteral(std::string const& text) {
  return text.find_first_of(".eE") == std::string::npos;
}

// Why a JSON value does not fit a scalar field type (empty: it fits); `readAs` what the library reads
// instead, when it reads anything.
template <typename T>
std::string scalarProblem(Scalar const& value, std::string& readAs) {
  if constexpr (std::is_same_v<T, bool>) {
    return value.kind == Kind::Bool ? "" : "takes true or false, not " + shown(value);
  } else if constexpr (std::is_same_v<T, double>) {
    if (value.kind != Kind::Number) return "takes a number, not " + shown(value);
    double number = 0;
    char const* const end = value.text.data() + value.text.size();
    auto const result = std::from_chars(value.text.data(), end, number);
    if (result.ec != std::errc::result_out_of_range) return "";
    // Beyond the double range: the library reads a tiny number as 0 and refuses a huge one.
    if (!isTinyNumber(value.text)) return value.text + " is beyond the range of a real number";
    readAs = "0";
    return value.text + " is below the smallest real number";
  } else {
    // int32, and enumerations given as numbers
    if (value.kind != Kind::Number) return "takes a whole number, not " + shown(value);
    if (!isIntegerLiteral(value.text)) return "takes a whole number, not " + value.text;
    std::int64_t number = 0;
    auto const result = std::from_chars(value.text.data(), value.text.data() + value.text.size(), number);
    if (result.ec != std::errc() || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
      return value.text + " is beyond the range of a whole number (-2147483648 to 2147483647)";
    return "";
  }
}

template <typename E>
std::string choiceList() {
  std::string list;
  for (auto const& [value, name] : reflection::enum_traits<E>::maps.value_to_name)
    list += (list.empty() ? "" : ", ") + name + " (" + std::to_string(static_cast<std::int32_t>(value)) + ')';
  return list;
}

// Checks one member against the field `Field`: a refusal, or a foreign field (a number that is no choice).
template <typename Field>
void checkMember(Member const& member, Fit& fit, bool& taken) {
  using T = typename Field::value_type;
  std::string const& field = Field::metadata.name;
  std::string readAs;
  std::string problem;
  if constexpr (reflection::is_schema_enum_v<T>) {
    T choice{};
    if (member.value.kind == Kind::String) {
      if (!reflection::enumerator_value(member.value.text, choice))
        problem = "unknown choice '" + member.value.text + "'; choices: " + choiceList<T>();
    } else if (member.value.kind != Kind::Number) {
      problem = "takes a choice (its name or number), not " + shown(member.value);
    } else if ((problem = scalarProblem<std::int32_t>(member.value, readAs)).empty()) {
      auto const number = static_cast<T>(std::stol(member.value.text));
      if (!reflection::enumerator_name(number)) {
        fit.foreign.push_back(field + ": " + member.value.text + " is no choice");
        fit.keys.push_back("member '" + member.name + "'");
      }
    }
  } else if constexpr (reflection::is_nullable_v<T>) {
    using Element = typename reflection::is_nullable<T>::element_type;
    bool const isArray = member.value.kind == Kind::Array;
    if (!isArray && member.value.kind != Kind::Null)
      problem = "takes [] or [a " + std::string(std::is_same_v<Element, double> ? "number" : "whole number") +
                "], not " + shown(member.value);
    else if (isArray && member.count > 1)
      problem = "holds " + std::to_string(member.count) + " values; it takes one at most";
    else if (isArray && member.count == 1)
      problem = scalarProblem<Element>(member.first, readAs);
  } else {
    problem = scalarProblem<T>(member.value, readAs);
  }
  if (!problem.empty()) {
    fit.refused.push_back(Refusal{member.name, problem, readAs});
    fit.keys.push_back("member '" + member.name + "'");
    taken = !readAs.empty();
  } else {
    taken = true;
  }
}

// The field index of a member name: the field of that name, or of that id in decimal (as the library reads).
template <typename Record>
int fieldIndex(std::string const& name) {
  int index = -1, i = 0;
  reflection::for_each_field<Record>([&](auto field) {
    if (index < 0 && name == decltype(field)::metadata.name) index = i;
    ++i;
  });
  if (index >= 0 || name.empty() || name.size() > 5 ||
      name.find_first_not_of("0123456789") != std::string::npos)
    return index;
  int const id = std::stoi(name);
  i = 0;
  reflection::for_each_field<Record>([&](auto field) {
    if (index < 0 && decltype(field)::id == id) index = i;
    ++i;
  });
  return index;
}

template <typename Record>
Fit jsonFit(std::vector<Member> const& members) {
  Fit fit;
  std::vector<bool> taken(std::tuple_size_v<typename Record::Schema::fields>, false);
  std::string const module = moduleName<Record>();
  for (Member const& member : members) {
    int const index = fieldIndex<Record>(member.name);
    if (index < 0 || taken[static_cast<std::size_t>(index)]) {
      fit.refused.push_back(
          Refusal{member.name,
                  index < 0 ? "no field of the " + module + " record" : "a second value of its field", ""});
      fit.keys.push_back("member '" + member.name + "'");
      continue;
    }
    int i = 0;
    reflection::for_each_field<Record>([&](auto field) {
      if (i++ != index) return;
      bool took = false;
      checkMember<decltype(field)>(member, fit, took);
      taken[static_cast<std::size_t>(index)] = took;
    });
  }
  return fit;
}

// --- Compact Binary fields, as the codec's reader walks them ---------------------------------------------

std::string wireName(std::uint8_t type) {
  static char const* const names[] = {"stop",  "base stop", "bool",   "uint8",  "uint16", "uint32", "uint64",
                                      "float", "double",    "string", "struct", "list",   "set",    "map",
                                      "int8",  "int16",     "int32",  "int64",  "wstring"};
  return type < std::size(names) ? names[type] : "type " + std::to_string(type);
}

// The wire type of a value as a message names it; containers with their element type.
std::string valueName(wire::InputBuffer input, std::uint8_t type) {
  if (type != wire::BT_LIST && type != wire::BT_SET) return wireName(type);
  return wireName(type) + '<' + wireName(input.readByte()) + '>';
}

template <typename T>
std::string fieldTypeName() {
  if constexpr (reflection::is_nullable_v<T>)
    return "list<" + fieldTypeName<typename reflection::is_nullable<T>::element_type>() + '>';
  else if constexpr (std::is_same_v<T, bool>)
    return "bool";
  else if constexpr (std::is_same_v<T, double>)
    return "double";
  else
    return "int32";
}

// What is wrong with the value at `input` of wire type `type` for the field (empty: nothing). Reads a copy.
template <typename Field>
std::string valueProblem(wire::InputBuffer input, std::uint8_t type) {
  using T = typename Field::value_type;
  using Codec = wire::ValueCodec<T>;
  std::string const wrongType = valueName(input, type) + ", not " + fieldTypeName<T>();
  T value{};
  if constexpr (reflection::is_nullable_v<T>) {
    // The codec takes a list of another element type as "no value read"; that is a wrong type too.
    if (type == wire::BT_LIST) {
      wire::InputBuffer peek = input;
      peek.readByte();
      if (peek.readVarint32() > 0 && (!Codec::read(input, type, value) || !value)) return wrongType;
      return "";
    }
  }
  if (!Codec::read(input, type, value)) return wrongType;
  if constexpr (reflection::is_schema_enum_v<T>) {
    if (!reflection::enumerator_name(value))
      return std::to_string(static_cast<std::int32_t>(value)) + " is no choice";
  }
  return "";
}

// Walks the fields of `bytes` exactly as the codec's reader does for `Record` and names each one the record
// does not take as it stands: an id it lacks, an id after the walk has passed it, a value of another wire
// type, a number that is no choice, anything after a base-struct stop.
template <typename Record>
void binaryForeign(std::string_view bytes, Fit& fit) {
  auto foreign = [&](std::string const& key, std::string const& text) {
    fit.foreign.push_back(text);
    fit.keys.push_back(key);
  };
  wire::InputBuffer input(bytes);
  constexpr std::size_t kFields = std::tuple_size_v<typename Record::Schema::fields>;
  std::array<std::uint16_t, kFields> ids{};
  std::size_t i = 0;
  reflection::for_each_field<Record>([&](auto field) { ids[i++] = decltype(field)::id; });
  std::size_t position = 0;  // the record field the reader's walk stands at
  bool afterBase = false;
  std::uint16_t lastId = 0;
  for (wire::FieldHeader header = wire::readFieldHeader(input); header.type != wire::BT_STOP;
       header = wire::readFieldHeader(input)) {
    if (header.type == wire::BT_STOP_BASE) {
      afterBase = true;
      continue;
    }
    wire::checkValueType(header.type);
    std::string const id = "id " + std::to_string(header.id);
    while (!afterBase && position < kFields && ids[position] < header.id) ++position;
    if (afterBase) {
      foreign(id, id + ": after a base-struct stop");
    } else if (position == kFields || ids[position] != header.id) {
      bool known = false;
      for (std::uint16_t fieldId : ids) known = known || fieldId == header.id;
      foreign(id, known ? id + ": after id " + std::to_string(lastId) + ", out of order"
                        : id + ": no such field (" + valueName(input, header.type) + ')');
    } else {
      std::size_t index = 0;
      reflection::for_each_field<Record>([&](auto field) {
        if (index++ != position) return;
        std::string const problem = valueProblem<decltype(field)>(input, header.type);
        if (!problem.empty()) foreign(id, decltype(field)::metadata.name + " (" + id + "): " + problem);
      });
    }
    lastId = std::max(lastId, header.id);
    wire::skipValue(input, header.type, 1);
  }
}

template <typename F>
void forEachRecord(F&& f) {
  int index = 0;
  forEachModule([&](auto row) { f(RecordTag<typename decltype(row)::RecordType>{}, index++); });
}

}  // namespace

Fits fitsOf(OptionsText const& text) {
  Fits fits;
  if (text.json) {
    auto const members = membersOf(text.text.toStdString());
    if (!members) {
      fits.parsed = false;
      return fits;
    }
    fits.empty = members->empty();
    forEachRecord([&](auto tag, int index) {
      fits.modules[static_cast<std::size_t>(index)] = jsonFit<typename decltype(tag)::type>(*members);
    });
    return fits;
  }
  QByteArray const bytes = QByteArray::fromBase64(text.text.toLatin1());
  std::string_view const view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  fits.empty = !view.empty() && view[0] == wire::BT_STOP;
  forEachRecord([&](auto tag, int index) {
    binaryForeign<typename decltype(tag)::type>(view, fits.modules[static_cast<std::size_t>(index)]);
  });
  return fits;
}

std::vector<std::string> heldByNone(Fits const& fits) {
  std::vector<std::string> none;
  for (std::string const& key : fits.modules[0].keys) {
    bool everywhere = std::find(none.begin(), none.end(), key) == none.end();
    for (Fit const& fit : fits.modules)
      everywhere = everywhere && std::find(fit.keys.begin(), fit.keys.end(), key) != fit.keys.end();
    if (everywhere) none.push_back(key);
  }
  return none;
}

int moduleOf(ProgrammTypes type) {
  int module = -1, index = 0;
  forEachModule([&](auto row) {
    if (decltype(row)::holds(type)) module = index;
    ++index;
  });
  return module;
}

std::vector<ProgrammTypes> fittingPrograms(Fits const& fits) {
  std::vector<ProgrammTypes> types;
  for (int value = 0; value < kProgrammTypeCount; ++value) {
    auto const type = static_cast<ProgrammTypes>(value);
    if (fits.modules[static_cast<std::size_t>(moduleOf(type))].fits()) types.push_back(type);
  }
  return types;
}

std::string programList(std::vector<ProgrammTypes> const& types) {
  std::string list;
  for (ProgrammTypes type : types) list += (list.empty() ? "" : ", ") + std::string(kProgrammTypeNames[type]);
  return list.empty() ? "no program type" : list;
}

}  // namespace ctrlparam
