#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include "serialization/detail/json_parser_stack.h"
#include "serialization/errors.h"
#include "serialization/json_parser.h"
#include "serialization/simple_json.h"

namespace trv::serialization::simple_json {
namespace {

// Numbers come as their text and are converted here, correctly rounded and independent of the locale
// (the parser's own conversion is a unit off on some 17-digit numbers, so a double written with all its
// digits would not read back).
constexpr unsigned kParseFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseStopWhenDoneFlag |
                                 rapidjson::kParseNumbersAsStringsFlag;

}  // namespace

bool isTinyNumber(std::string_view text) {
  auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  bool significant = false;
  long integerDigits = 0;  // from the first non-zero digit on
  long leadingZeros = 0;   // of the fraction, when the integer part is zero
  for (; digit(i); ++i) {
    significant = significant || text[i] != '0';
    if (significant) ++integerDigits;
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; digit(i); ++i) {
      if (!significant && text[i] == '0') ++leadingZeros;
      significant = significant || text[i] != '0';
    }
  }
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool const negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    for (; digit(i); ++i) exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
    if (negative) exponent = -exponent;
  }
  return significant && (integerDigits > 0 ? exponent + integerDigits : exponent - leadingZeros) < 0;
}

namespace {

enum class Failure { None, RootNotObject, NumberTooBig, TooDeep };

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::size_t skipBlanks(std::string_view line, std::size_t position) {
  while (position < line.size() && isBlank(line[position])) ++position;
  return position;
}

// SAX handler that tracks the nesting and reports the root object's members. Without a visitor it only
// checks that the root is an object. Numbers always arrive as text (RawNumber); the base class answers the
// typed number events, which the parse flags never raise. `Observed`: it also finds where each member of the
// root object stands in the line (from the stream's position at each event) and reports members of no field.
template <bool Observed>
class MemberHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, MemberHandler<Observed>> {
 public:
  MemberHandler(MemberVisitor* visitor, std::string_view line, std::size_t start,
                rapidjson::MemoryStream const& stream)
      : visitor_(visitor), line_(line), start_(start), stream_(stream) {}

  Failure failure() const { return failure_; }

  bool Null() { return value(JsonValue{}); }
  bool Bool(bool b) {
    JsonValue v;
    v.kind = JsonValue::Kind::Bool;
    v.boolean = b;
    return value(v);
  }
  bool RawNumber(char const* text, rapidjson::SizeType length, bool) {
    char const* const end = text + length;
    if (std::string_view(text, length).find_first_of(".eE") == std::string_view::npos) {
      std::int64_t i = 0;
      auto const [rest, error] = std::from_chars(text, end, i);
      if (error == std::errc() && rest == end) return integer(i);
    }
    double d = 0;
    auto const [rest, error] = std::from_chars(text, end, d);
    if (error == std::errc::result_out_of_range && isTinyNumber(std::string_view(text, length)))
      return number(*text == '-' ? -0.0 : 0.0, true);
    if (error != std::errc() || rest != end) {
      failure_ = Failure::NumberTooBig;
      return false;
    }
    return number(d, false);
  }
  bool String(char const* text, rapidjson::SizeType length, bool) {
    JsonValue v;
    v.kind = JsonValue::Kind::String;
    v.text = std::string_view(text, length);
    return value(v);
  }
  bool Key(char const* text, rapidjson::SizeType length, bool) {
    if (depth_ != 1) return true;
    field_ = visitor_ ? visitor_->fieldIndex(std::string_view(text, length)) : -1;
    if constexpr (Observed) {
      // The name starts with the first quote after the previous member (or the "{"); the value after the ":".
      std::size_t name = afterPrevious_;
      while (line_[name] != '"') ++name;
      std::size_t valueAt = skipBlanks(line_, position());
      member_ = JsonMember{};
      member_.offset = name;
      name_.assign(text, length);
      valueAt_ = skipBlanks(line_, valueAt + 1);
    }
    return true;
  }
  bool StartObject() {
    if (!deeper()) return false;
    if (depth_ == 0 && Observed) afterPrevious_ = position() + 1;
    if (depth_ > 0 && !container(JsonValue::Kind::Object)) return false;
    ++depth_;
    return true;
  }
  bool EndObject(rapidjson::SizeType) {
    --depth_;
    if (Observed && depth_ == 1) finish(member_);
    return true;
  }
  bool StartArray() {
    if (!deeper()) return false;
    if (!container(JsonValue::Kind::Array)) return false;
    if (depth_ == 1) {
      inArray_ = true;
      array_ = JsonMember{};
      array_.value.kind = JsonValue::Kind::Array;
    }
    ++depth_;
    return true;
  }
  bool EndArray(rapidjson::SizeType count) {
    --depth_;
    if (depth_ == 1 && inArray_) {
      inArray_ = false;
      array_.count = count;
      finish(array_);
    }
    return true;
  }

 private:
  // The stream's position in the line (the stream starts at `start_`).
  std::size_t position() const { return start_ + stream_.Tell(); }

  // Whether one more level of nesting is allowed.
  bool deeper() {
    if (depth_ < kMaxNesting) return true;
    failure_ = Failure::TooDeep;
    return false;
  }

  bool integer(std::int64_t i) {
    JsonValue v;
    v.kind = JsonValue::Kind::Number;
    v.number = static_cast<double>(i);
    v.isInt32 =
        i >= std::numeric_limits<std::int32_t>::min() && i <= std::numeric_limits<std::int32_t>::max();
    v.int32 = v.isInt32 ? static_cast<std::int32_t>(i) : 0;
    return value(v);
  }
  bool number(double d, bool tiny) {
    JsonValue v;
    v.kind = JsonValue::Kind::Number;
    v.number = d;
    v.tiny = tiny;
    return value(v);
  }

  // A nested object or array starts (the root object is handled by the caller). Unobserved, an object
  // member is delivered as it starts; observed, when it ends, with its text.
  bool container(JsonValue::Kind kind) {
    if (depth_ == 0) {
      failure_ = Failure::RootNotObject;
      return false;
    }
    if (depth_ == 1 && kind == JsonValue::Kind::Object) {
      JsonMember member;
      member.value.kind = kind;
      if constexpr (Observed)
        member_.value = member.value;
      else
        deliver(member);
    } else if (depth_ == 2 && inArray_) {
      JsonValue nested;
      nested.kind = kind;
      element(nested);
    }
    return true;
  }

  bool value(JsonValue const& v) {
    if (depth_ == 0) {
      failure_ = Failure::RootNotObject;
      return false;
    }
    if (depth_ == 1) {
      JsonMember member;
      member.value = v;
      finish(member);
    } else if (depth_ == 2 && inArray_) {
      element(v);
    }
    return true;
  }

  void element(JsonValue const& v) {
    if (!array_.empty) return;
    array_.empty = false;
    array_.first = v;
    if (v.kind == JsonValue::Kind::String) {
      firstText_.assign(v.text);
      array_.first.text = firstText_;
    }
  }

  // A member of the root object is complete: observed, with where it stands; then delivered.
  void finish(JsonMember& member) {
    if constexpr (Observed) {
      // A scalar's event comes after its text, an array's or object's before its closing bracket.
      std::size_t end = position();
      if (member.value.kind == JsonValue::Kind::Array || member.value.kind == JsonValue::Kind::Object) ++end;
      member.offset = member_.offset;
      member.name = name_;
      member.raw = line_.substr(valueAt_, end - valueAt_);
      afterPrevious_ = end;
    }
    deliver(member);
  }

  void deliver(JsonMember const& member) {
    if (visitor_ && field_ >= 0)
      visitor_->member(field_, member);
    else if (Observed && visitor_)
      visitor_->unknown(member);
    field_ = -1;
  }

  MemberVisitor* visitor_;
  std::string_view line_;
  std::size_t start_;
  rapidjson::MemoryStream const& stream_;
  Failure failure_ = Failure::None;
  std::size_t depth_ = 0;
  int field_ = -1;
  bool inArray_ = false;
  JsonMember array_;
  std::string firstText_;
  // Observed only: the member being read, its name, where its value starts, where the previous one ended.
  JsonMember member_;
  std::string name_;
  std::size_t valueAt_ = 0;
  std::size_t afterPrevious_ = 0;
};

// Parses one object starting at `start`, its members told to `visitor` (none: only checked); returns the
// position after it. Observed, where it fails is told to `observer`.
template <bool Observed>
std::size_t parseObject(std::string_view line, std::size_t start, MemberVisitor* visitor,
                        MemberVisitor& observer) {
  rapidjson::MemoryStream stream(line.data() + start, line.size() - start);
  MemberHandler<Observed> handler(visitor, line, start, stream);
  rapidjson::GenericReader<rapidjson::UTF8<>, rapidjson::UTF8<>, ParserStackAllocator> reader;
  rapidjson::ParseResult const result = reader.Parse<kParseFlags>(stream, handler);
  if (!result) {
    Failure const failure = handler.failure();
    std::size_t const at =
        failure == Failure::RootNotObject ? skipBlanks(line, start) : start + result.Offset();
    if (Observed) observer.fault(at);
    switch (failure) {
      case Failure::RootNotObject:
        errors::rootNotObject(at);
      case Failure::NumberTooBig:
        errors::numberTooBig(at);
      case Failure::TooDeep:
        errors::nestedTooDeeply(at);
      case Failure::None:
        errors::jsonParserError(rapidjson::GetParseError_En(result.Code()), at);
    }
  }
  return start + stream.Tell();
}

template <bool Observed>
void parseLine(std::string_view line, MemberVisitor& visitor) {
  std::size_t position = parseObject<Observed>(line, 0, &visitor, visitor);
  for (position = skipBlanks(line, position); position < line.size(); position = skipBlanks(line, position)) {
    if (line[position] != '{') {
      if (Observed) visitor.fault(position);
      errors::jsonParserError(rapidjson::GetParseError_En(rapidjson::kParseErrorDocumentRootNotSingular),
                              position);
    }
    if (Observed) visitor.secondObject(position);
    position = parseObject<Observed>(line, position, nullptr, visitor);
  }
}

}  // namespace

void parseObjectLine(std::string_view line, MemberVisitor& visitor) {
  parseLine<false>(line, visitor);
}

void parseObservedObjectLine(std::string_view line, MemberVisitor& visitor) {
  parseLine<true>(line, visitor);
}

}  // namespace trv::serialization::simple_json

namespace trv::serialization::simple_json {

bool parseFieldId(std::string_view name, std::uint16_t& id) {
  if (name.empty()) return false;
  std::uint32_t value = 0;
  for (char const c : name) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
    if (value > 0xffff) return false;
  }
  id = static_cast<std::uint16_t>(value);
  return true;
}

}  // namespace trv::serialization::simple_json
