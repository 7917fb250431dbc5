#include "tools/ctrlparam/text_reading.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/errors.h"
#include "serialization/read_observer.h"
#include "serialization/wire.h"

namespace ctrlparam {
namespace {

using namespace trv::control_param;
using trv::serialization::Base64Skip;
using trv::serialization::Observation;
using trv::serialization::PassedOver;
using trv::serialization::Verdict;
namespace wire = trv::serialization::compact_binary;

// A Compact Binary value in one line, as the walk without a schema tells it: "int32 5",
// "list<double> [1.5, 2]", "struct {1: true}"; values longer than `most` characters cut with "…".
class ShortValue final : public wire::ValueWalker {
 public:
  static std::string of(std::string_view bytes, std::uint8_t type, std::size_t most = 40) {
    ShortValue walker;
    try {
      wire::InputBuffer input(bytes);
      wire::walkValue(input, type, 1, walker);
    } catch (std::exception const&) {
      walker.text_ += "…";
    }
    std::string text = walker.text_;
    if (text.size() > most) text = text.substr(0, most - 1) + "…";
    return (walker.name_.empty() ? wire::wireTypeName(type) : walker.name_) + ' ' + text;
  }

  void field(std::size_t, wire::FieldHeader header) override {
    separate();
    text_ += std::to_string(header.id) + ": ";
    afterField_ = true;
  }
  void scalar(std::size_t, std::uint8_t type, std::string const& text) override {
    if (name_.empty()) name_ = wire::wireTypeName(type);
    separate();
    text_ += text;
  }
  void container(std::size_t, std::uint8_t type, std::uint8_t element, std::uint8_t value,
                 std::uint64_t) override {
    if (name_.empty()) name_ = wire::containerTypeName(type, element, value);
    separate();
    bool const braces = wire::holdsKeyedEntries(type);
    text_ += braces ? '{' : '[';
    closers_.push_back(braces ? '}' : ']');
    first_ = true;
  }
  void end() override {
    if (closers_.empty()) return;
    text_ += closers_.back();
    closers_.pop_back();
    first_ = false;
  }

 private:
  void separate() {
    if (!first_ && !afterField_ && !closers_.empty()) text_ += ", ";
    first_ = afterField_ = false;
  }

  std::string name_;  // the value's type, as the walk told it first
  std::string text_;
  std::string closers_;
  bool first_ = true;
  bool afterField_ = false;
};

// What a JSON value of a field of type T is, as messages name it.
template <typename T>
std::string jsonType() {
  if constexpr (reflection::is_nullable_v<T>)
    return std::is_same_v<typename T::value_type, double> ? "[] or [a number]" : "[] or [a whole number]";
  else if constexpr (reflection::is_schema_enum_v<T>)
    return "a choice (its name or a whole number)";
  else if constexpr (std::is_same_v<T, bool>)
    return "true or false";
  else if constexpr (std::is_same_v<T, double>)
    return "a number";
  else
    return "a whole number (-2147483648 to 2147483647)";
}

// The wire type a field of type T is written with: "int32", "list<double>".
template <typename T>
std::string wireType() {
  using Codec = wire::ValueCodec<T>;
  if constexpr (reflection::is_nullable_v<T>)
    return wire::containerTypeName(Codec::type, Codec::Element::type, 0);
  else
    return wire::wireTypeName(Codec::type);
}

template <typename E>
std::string choiceList() {
  std::string list;
  for (auto const& [value, name] : reflection::enum_traits<E>::maps.value_to_name)
    list += (list.empty() ? "" : ", ") + name + " (" + std::to_string(static_cast<std::int32_t>(value)) + ')';
  return list;
}

// A one-element array's text as its element's ("[1e-400]" as "1e-400").
std::string_view elementText(std::string_view raw) {
  if (raw.size() >= 2 && raw.front() == '[' && raw.back() == ']') return raw.substr(1, raw.size() - 2);
  return raw;
}

// A JSON string's text without its quotes, when it has no escapes.
std::string_view unquoted(std::string_view raw) {
  raw = elementText(raw);
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"' && raw.find('\\') == std::string_view::npos)
    return raw.substr(1, raw.size() - 2);
  return raw;
}

// Hears the readers reading a text with one module's record and writes down what they did not take as
// written.
template <typename Record>
class FindingsOf final : public trv::serialization::ReadObserver {
 public:
  FindingsOf(InputText const& text, ModuleReading& reading) : text_(text), reading_(reading) {}

  // "column 7", or "line 3, column 7" on another line than the text's first.
  std::string placeText(Place at) const {
    return (at.line == text_.line ? "" : "line " + std::to_string(at.line) + ", ") + "column " +
           std::to_string(at.column);
  }

  bool sawField() const { return sawField_; }
  bool foreignCharacters() const { return foreignCharacters_; }

  void field(Observation const& seen) override {
    sawField_ = true;
    if (seen.verdict != Verdict::Taken) text_.json ? member(seen) : binary(seen);
    if (seen.verdict == Verdict::Taken) taken_ = seen.raw;
    maxId_ = std::max(maxId_, seen.id);
  }
  void afterRecord(std::size_t offset, std::size_t count) override {
    std::string const bytes = count == 1 ? "1 byte follows" : std::to_string(count) + " bytes follow";
    add(Finding::Kind::Trailing,
        bytes + " the end of the record at offset " + std::to_string(offset) +
            ": a second text glued on, or a damaged one?",
        "after the record", {text_.line, 0})
        .phrase = std::to_string(count) + (count == 1 ? " byte" : " bytes") + " after the record";
  }
  void endsInside(std::size_t offset) override { endsInside_ = offset; }
  void jsonFault(std::size_t offset) override { jsonFault_ = offset; }
  void secondObject(std::size_t offset) override {
    Place const at = text_.place(offset);
    std::string const object = "a second JSON object at column " + std::to_string(at.column);
    Finding& finding = add(Finding::Kind::Refused, object + "; a text holds one object", "second object", at);
    finding.lenient = object + " is passed over";
    finding.phrase = "a second JSON object at " + placeText(at);
  }
  void base64(Base64Skip what, std::size_t column, char16_t c) override {
    foreignCharacters_ = foreignCharacters_ || what == Base64Skip::OutsideAlphabet;
    // The first character the decoding passed over is the one to name.
    if (std::exchange(sawBase64_, true)) return;
    Place const place = text_.place(column);
    std::string const at = " at column " + std::to_string(place.column);
    std::string const shown = shownCharacter(text_, column, c);
    std::string const phrase = "bad Base64" + at;
    switch (what) {
      case Base64Skip::OutsideAlphabet:
        return bad(shown + at + " is no Base64 character (A-Z, a-z, 0-9, +, / and = at the end)", phrase,
                   place);
      case Base64Skip::PaddingInside:
        return bad("the padding '='" + at + " stands inside the text; it only ends a Base64 text", phrase,
                   place);
      case Base64Skip::ExtraPadding:
        return bad("too much padding: '='" + at, phrase, place);
      case Base64Skip::LoneCharacter:
        return bad("the Base64 text is cut short: its last group has one character (" + at.substr(4) + ')',
                   "Base64 cut short" + at, place);
    }
  }

  // The reading failed with `error`.
  void failed(trv::serialization::StreamException const&) {
    std::string const field = "the field at offset " + std::to_string(endsInside_);
    bad("the text ends inside " + field + ": was it cut short, or wrapped over lines?",
        "ends inside " + field);
  }
  void failed(trv::serialization::CoreException const& error) {
    std::string message = error.what();
    if (!jsonFault_) return bad("not an options text: " + message, "not an options text");
    // The reader names the offset in the text it got; the user's line and column say it better.
    std::string const offset = " at offset " + std::to_string(*jsonFault_);
    if (message.size() > offset.size() &&
        message.compare(message.size() - offset.size(), offset.size(), offset) == 0)
      message.resize(message.size() - offset.size());
    Place const at = text_.place(*jsonFault_);
    bad("column " + std::to_string(at.column) + ": " + message, "JSON fault at " + placeText(at), at);
  }

 private:
  Finding& add(Finding::Kind kind, std::string message, std::string key, Place at) {
    Finding& finding = reading_.findings.emplace_back();
    finding.kind = kind;
    finding.message = std::move(message);
    finding.key = std::move(key);
    finding.at = at;
    return finding;
  }
  void bad(std::string message, std::string phrase, Place at = {}) {
    add(Finding::Kind::Bad, std::move(message), "the text", at.line ? at : Place{text_.line, 0}).phrase =
        std::move(phrase);
  }

  // A Compact Binary field not taken as written.
  void binary(Observation const& seen) {
    std::string const id = "id " + std::to_string(seen.id);
    std::string const named = seen.field.empty() ? id : std::string(seen.field) + " (" + id + ')';
    std::string const value = ShortValue::of(seen.raw, seen.wireType);
    std::string message;
    switch (seen.reason) {
      case PassedOver::NoField:
        message = id + ": no such field (" + value + ')';
        break;
      case PassedOver::OutOfOrder:
        message = named + ": after id " + std::to_string(maxId_) + ", out of order (" + value + ')';
        break;
      case PassedOver::WrongType:
        message = named + ": " + value.substr(0, value.find(' ')) + ", not " + fieldWireType(seen.field);
        break;
      case PassedOver::LaterElements:
        message = named + ": " + std::to_string(seen.count) + " more values after the first of the list";
        break;
      case PassedOver::AfterBaseStop:
        message = named + ": after the stop of a base part (" + value + ')';
        break;
      default:
        message = named + ": " + value.substr(value.find(' ') + 1) + " is no choice";
    }
    Finding& finding = add(Finding::Kind::Foreign, message, id, {text_.line, 0});
    finding.kept = seen.verdict == Verdict::TakenNoEnumerator;
    if (seen.reason != PassedOver::NoField) finding.phrase = message;
    // Later values of a list: the list as a whole, told just before as taken.
    if (!finding.kept)
      finding.passed =
          PassedField{std::to_string(seen.id),
                      ShortValue::of(seen.reason == PassedOver::LaterElements ? taken_ : seen.raw,
                                     seen.wireType, std::string::npos)};
  }

  // A JSON member not taken as written.
  void member(Observation const& seen) {
    std::string const member = "member '" + std::string(seen.member) + "'";
    Place const at = text_.place(seen.offset);
    if (seen.verdict == Verdict::TakenNoEnumerator) {
      std::string const value = std::string(elementText(seen.raw));
      Finding& finding =
          add(Finding::Kind::Foreign, std::string(seen.field) + ": " + value + " is no choice", member, at);
      finding.kept = true;
      finding.phrase = member + ": " + value + " is no choice";
      return;
    }
    std::string why, effect = " is passed over";
    switch (seen.verdict) {
      case Verdict::UsedUpWithoutEffect:
        why =
            "unknown choice '" + std::string(unquoted(seen.raw)) + "'; choices: " + fieldChoices(seen.field);
        effect = " is used up without effect";
        break;
      case Verdict::TakenAsZero:
        why = std::string(elementText(seen.raw)) + " is below the smallest real number";
        break;
      default:
        why = reason(seen);
    }
    Finding& finding = add(Finding::Kind::Refused, member + ": " + why, member, at);
    if (seen.verdict == Verdict::UsedUpWithoutEffect)
      finding.phrase = member + ": unknown choice '" + std::string(unquoted(seen.raw)) + "'";
    else if (seen.reason != PassedOver::NoField)
      finding.phrase = finding.message;
    if (seen.verdict == Verdict::PassedOver)
      finding.passed = PassedField{std::string(seen.member), std::string(seen.raw)};
    if (seen.verdict == Verdict::TakenAsZero)
      finding.lenient = finding.message + "; read as " + (seen.negative ? "-0" : "0");
    else if (seen.reason == PassedOver::LaterElements)
      finding.lenient = member + (seen.count == 1 ? ": the value after the first is passed over"
                                                  : ": the " + std::to_string(seen.count) +
                                                        " values after the first are passed over");
    else
      finding.lenient = member + effect + ": " + why;
  }

  std::string reason(Observation const& seen) const {
    switch (seen.reason) {
      case PassedOver::NoField:
        return "no field of the " + moduleName<Record>() + " record";
      case PassedOver::Duplicate:
        return "a second value of its field";
      case PassedOver::LaterElements:
        return "holds " + std::to_string(seen.count + 1) + " values; it takes one at most";
      default:
        return "takes " + fieldJsonType(seen.field) + ", not " + std::string(seen.raw);
    }
  }

  template <typename F>
  static std::string describeField(std::string_view name, F&& describe) {
    std::string text;
    reflection::visit_field<Record>(
        std::string(name), [&](auto field) { text = describe(typename decltype(field)::value_type{}); });
    return text;
  }
  static std::string fieldWireType(std::string_view name) {
    return describeField(name, [](auto value) { return wireType<decltype(value)>(); });
  }
  static std::string fieldJsonType(std::string_view name) {
    return describeField(name, [](auto value) { return jsonType<decltype(value)>(); });
  }
  static std::string fieldChoices(std::string_view name) {
    return describeField(name, [](auto value) {
      if constexpr (reflection::is_schema_enum_v<decltype(value)>)
        return choiceList<decltype(value)>();
      else
        return std::string();
    });
  }

  InputText const& text_;
  ModuleReading& reading_;
  bool sawField_ = false;
  bool sawBase64_ = false;
  bool foreignCharacters_ = false;
  std::uint16_t maxId_ = 0;
  std::string_view taken_;  // the value of the field taken last
  std::size_t endsInside_ = 0;
  std::optional<std::size_t> jsonFault_;
};

template <typename Record>
void readAs(InputText const& text, ModuleReading& reading, TextReading& whole, bool& sawField) {
  FindingsOf<Record> findings(text, reading);
  if (!text.fault.empty()) {
    Finding& fault = reading.findings.emplace_back();
    fault.message = text.fault;
    fault.key = "the text";
    fault.at = text.faultAt;
    fault.phrase = "JSON fault at " + findings.placeText(text.faultAt);
  }
  try {
    data::decodeRecord<Record>(text.text, findings);
  } catch (trv::serialization::StreamException const& error) {
    findings.failed(error);
  } catch (trv::serialization::CoreException const& error) {
    findings.failed(error);
  }
  sawField = sawField || findings.sawField();
  whole.foreignCharacters = findings.foreignCharacters();
}

}  // namespace

Finding const* ModuleReading::first(Finding::Kind kind) const {
  for (Finding const& finding : findings)
    if (finding.kind == kind) return &finding;
  return nullptr;
}

bool ModuleReading::fits() const {
  return std::all_of(findings.begin(), findings.end(),
                     [](Finding const& finding) { return finding.kind == Finding::Kind::Trailing; });
}

bool ModuleReading::loses() const {
  return std::any_of(findings.begin(), findings.end(), [](Finding const& finding) { return !finding.kept; });
}

ModuleReading const& TextReading::of(ProgrammTypes type) const {
  return modules[moduleOf(type)];
}

std::vector<ProgrammTypes> TextReading::fitting() const {
  std::vector<ProgrammTypes> types;
  for (int value = 0; value < kProgrammTypeCount; ++value)
    if (of(static_cast<ProgrammTypes>(value)).fits()) types.push_back(static_cast<ProgrammTypes>(value));
  return types;
}

std::vector<std::string> TextReading::heldByNone() const {
  std::vector<std::string> none;
  for (Finding const& finding : modules[0].findings) {
    bool everywhere = std::find(none.begin(), none.end(), finding.key) == none.end();
    for (ModuleReading const& module : modules)
      everywhere = everywhere && std::any_of(module.findings.begin(), module.findings.end(),
                                             [&](Finding const& other) { return other.key == finding.key; });
    if (everywhere) none.push_back(finding.key);
  }
  return none;
}

TextReading readText(InputText const& text) {
  TextReading reading;
  bool sawField = false;
  std::size_t index = 0;
  forEachModule([&](auto row) {
    readAs<typename decltype(row)::RecordType>(text, reading.modules[index++], reading, sawField);
  });
  reading.empty = !sawField && !reading.modules[0].first(Finding::Kind::Bad);
  return reading;
}

// A mail program wraps a long line into a few: a wrapped text's head is looked for a few lines above.
constexpr std::size_t kWrappedLines = 8;

InputReadings::InputReadings(std::vector<InputText> const& texts)
    : texts_(texts), readings_(texts.size()), wrapped_(texts.size()) {}

TextReading const& InputReadings::of(std::size_t index) {
  if (!readings_[index]) readings_[index] = readText(texts_[index]);
  return *readings_[index];
}

std::optional<InputReadings::Joined> const& InputReadings::wrappedFrom(std::size_t first) {
  if (wrapped_[first]) return *wrapped_[first];
  std::optional<Joined> found;
  auto adjacent = [&](std::size_t k) {
    return !texts_[k].json && !texts_[k + 1].json && texts_[k + 1].line == texts_[k].lastLine + 1;
  };
  // Each piece of a wrapped text holds only the alphabet (what else a piece holds was not wrapped in).
  auto piece = [&](std::size_t k) { return !texts_[k].json && !of(k).foreignCharacters; };
  if (piece(first) && of(first).fitting().empty()) {
    InputText joined = texts_[first];
    for (std::size_t last = first; !found && last + 1 < texts_.size() && last + 1 - first < kWrappedLines &&
                                   adjacent(last) && piece(last + 1);) {
      joined.text += texts_[++last].text;
      if (TextReading reading = readText(joined); !reading.fitting().empty())
        found = Joined{last, std::move(reading)};
    }
  }
  wrapped_[first] = std::move(found);
  return *wrapped_[first];
}

std::optional<Wrapped> InputReadings::wrappedAround(std::size_t index) {
  for (std::size_t first = index + 1 > kWrappedLines ? index + 1 - kWrappedLines : 0; first <= index; ++first)
    if (auto const& joined = wrappedFrom(first); joined && joined->last >= index)
      return Wrapped{texts_[first].line, texts_[joined->last].line, &joined->reading};
  return std::nullopt;
}

std::vector<int> InputReadings::startLines() {
  std::vector<int> lines;
  for (std::size_t i = 0; i < texts_.size(); ++i)
    if (auto const wrapped = wrappedAround(i); !wrapped || wrapped->first == texts_[i].line)
      lines.push_back(texts_[i].line);
  return lines;
}

void InputReadings::doneWith(std::size_t index) {
  for (; released_ + kWrappedLines <= index && released_ < readings_.size(); ++released_)
    readings_[released_].reset();
}

std::size_t moduleOf(ProgrammTypes type) {
  std::size_t module = 0, index = 0;
  forEachModule([&](auto row) {
    if (decltype(row)::holds(type)) module = index;
    ++index;
  });
  return module;
}

std::string programList(std::vector<ProgrammTypes> const& types) {
  std::string list;
  for (ProgrammTypes type : types) list += (list.empty() ? "" : ", ") + std::string(kProgrammTypeNames[type]);
  return list.empty() ? "no program type" : list;
}

}  // namespace ctrlparam
