// The codec beyond the reference vectors: hostile and odd payloads, one table, bytes or a JSON line into the
// reader and the exception it must raise (message whole, or its beginning) or the record it must read
// (compared by its Compact Binary bytes). Decoding stays within a fixed nesting depth and the input's memory.

#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/compact_binary.h"
#include "serialization/errors.h"
#include "serialization/simple_json.h"

namespace {

using namespace trv::control_param;
using trv::serialization::CoreException;
using trv::serialization::StreamException;
using Bytes = std::string;

Bytes bytes(std::initializer_list<int> values) {
  Bytes out;
  for (int value : values) out.push_back(static_cast<char>(value));
  return out;
}
Bytes repeated(int value, std::size_t count) {
  return Bytes(count, static_cast<char>(value));
}
Bytes operator*(Bytes const& part, std::size_t count) {
  Bytes out;
  for (std::size_t i = 0; i < count; ++i) out += part;
  return out;
}

Bytes const kTwoAndAHalf = bytes({0, 0, 0, 0, 0, 0, 0x04, 0x40});  // the double 2.5
Bytes const kFachOne = bytes({0xd0, 0x07, 0x02, 0x00});            // Zuther fach 1, then the stop
Bytes const kStop = bytes({0x00});
Bytes unknown(int type) {
  return bytes({(1 << 5) | type});
}  // Zuther has no field id 1
Bytes nestedStructs(std::size_t levels) {
  return unknown(10) + repeated(0x0a, levels - 1) + repeated(0, levels);
}
Bytes nestedLists(std::size_t levels, Bytes const& field = unknown(11)) {
  return field + bytes({0x0b, 0x01}) * (levels - 1) + bytes({0x10, 0x01, 0x02});
}
// Maps of one pair each, each map the value of the pair around it (after its key, int32 1) or its key (before
// its value, int32 1); the innermost maps int32 1 to int32 2.
enum class Nesting { InValues, InKeys };
Bytes nestedMaps(std::size_t levels, Nesting nesting = Nesting::InValues) {
  bool const inKeys = nesting == Nesting::InKeys;
  Bytes const outer = inKeys ? bytes({0x0d, 0x10, 0x01}) : bytes({0x10, 0x0d, 0x01, 0x02});
  return unknown(13) + outer * (levels - 1) + bytes({0x10, 0x10, 0x01, 0x02, 0x04}) +
         repeated(0x02, inKeys ? levels - 1 : 0);
}
std::string jsonArrays(std::size_t n) {
  return "{\"x\":" + std::string(n, '[') + std::string(n, ']') + ",\"warp\":1}";
}
std::string jsonObjects(std::size_t n) {
  return std::string("{\"x\":") * n + "1" + std::string(n, '}');
}

enum class Reader { ORIN, Zuther, Json };  // Compact Binary into ORIN or Zuther, Simple JSON into ORIN
enum class Outcome { Stream, Core, Read };
std::string const kTooDeep = "Max recursion depth exceeded";
std::string const kUndefined = "Unknown data type found";
std::string const kJsonTooDeep = "JSON parser error: The document is nested too deeply. at offset ";
std::string const kTooBig = "JSON parser error: Number too big to be stored in double. at offset ";

struct Case {
  std::string name;
  Reader reader;
  Bytes input;
  Outcome outcome;
  std::string expected;  // the message, its beginning when `prefix`, or the record's bytes when Read
  bool prefix = false;
};

template <typename Record>
std::string read(Reader reader, Bytes const& input) {
  Record record{};
  if (reader == Reader::Json)
    trv::serialization::fromSimpleJson(input, record);
  else
    trv::serialization::fromCompactBinary(input, record);
  return trv::serialization::toCompactBinary(record);
}

void check(Case const& c) {
  SCOPED_TRACE(c.name);
  Outcome outcome = Outcome::Read;
  std::string result;
  try {
    result = c.reader == Reader::Zuther ? read<Zuther_Control_Properties>(c.reader, c.input)
                                        : read<ORIN_Control_Properties>(c.reader, c.input);
  } catch (StreamException const& e) {
    outcome = Outcome::Stream;
    result = e.what();
  } catch (CoreException const& e) {
    outcome = Outcome::Core;
    result = e.what();
  }
  ASSERT_EQ(outcome, c.outcome) << result;
  EXPECT_EQ(c.prefix ? result.substr(0, c.expected.size()) : result, c.expected);
}

Case stream(std::string name, Reader reader, Bytes input, std::size_t requested, std::size_t offset) {
  return {std::move(name), reader, input, Outcome::Stream,
          "Read out of bounds: " + std::to_string(requested) + " bytes requested, offset: " +
              std::to_string(offset) + ", length: " + std::to_string(input.size())};
}

TEST(CodecHostilePayloads, EachIsRefusedOrReadByItsRule) {
  Bytes const count31 = bytes({0x80, 0x80, 0x80, 0x80, 0x08});  // 2^31
  std::vector<Case> cases = {
      // Compact Binary: reads past the end, each naming the failed read
      stream("empty", Reader::Zuther, "", 1, 0),
      stream("double cut off", Reader::Zuther, bytes({0x48, 0, 0, 0}), 8, 1),
      stream("field id cut off", Reader::Zuther, bytes({0xf0, 0x40}), 2, 1),
      stream("string longer than the input", Reader::Zuther, bytes({0x29, 0xe8, 0x07, 0x61}), 1000, 3),
      stream("list<double> of 2^32-1", Reader::Zuther, bytes({0x2b, 0x08, 0xff, 0xff, 0xff, 0xff, 0x0f, 0}),
             34359738360, 7),
      stream("nullable of 3 doubles, one present", Reader::Zuther,
             bytes({0x4b, 0x08, 0x03}) + kTwoAndAHalf.substr(0, 6) + bytes({0x29, 0x40, 0}), 16, 11),
      stream("fric of 2, stop after one", Reader::ORIN,
             bytes({0xcb, 0x0e, 0x08, 0x02}) + kTwoAndAHalf + kStop, 8, 12),
      stream("fric of 2, nothing after one", Reader::ORIN, bytes({0xcb, 0x0e, 0x08, 0x02}) + kTwoAndAHalf, 8,
             12),
      stream("bric of 2: the stop taken as the second", Reader::ORIN,
             bytes({0xcb, 0x12, 0x10, 0x02, 0x0d, 0}), 1, 6),
      stream("fric of 2^31", Reader::ORIN, bytes({0xcb, 0x0e, 0x08}) + count31 + kTwoAndAHalf + kStop,
             17179869176, 16),
      stream("bric of 2^31", Reader::ORIN, bytes({0xcb, 0x12, 0x10}) + count31 + bytes({0x0d, 0}), 2147483647,
             9),
      stream("bric as list<string> of 2^31", Reader::ORIN,
             bytes({0xcb, 0x12, 0x09}) + count31 + bytes({1, 0x41, 0}), 2147483648, 8),
      stream("unknown list<int32> of 1000", Reader::Zuther,
             unknown(11) + bytes({0x10, 0xe8, 0x07, 2, 4}) + kFachOne, 1000, 4),
      stream("unknown set<int32> of 1000", Reader::Zuther,
             unknown(12) + bytes({0x10, 0xe8, 0x07, 2, 4}) + kFachOne, 1000, 4),
      stream("unknown list<double> of 1000", Reader::Zuther,
             unknown(11) + bytes({0x08, 0xe8, 0x07}) + kTwoAndAHalf + kFachOne, 8000, 4),
      stream("unknown list<struct> of 2^32-1", Reader::Zuther,
             unknown(11) + bytes({0x0a, 0xff, 0xff, 0xff, 0xff, 0x0f, 0}) + kFachOne, 4294967295, 7),
      stream("unknown map of 1000", Reader::Zuther,
             unknown(13) + bytes({0x10, 0x10, 0xe8, 0x07, 2, 4}) + kFachOne, 2000, 5),
      stream("unknown map of 3 in 5 bytes", Reader::Zuther,
             unknown(13) + bytes({0x10, 0x10, 3, 1, 2, 3, 4, 0}), 6, 4),
      stream("unknown string of 1000", Reader::Zuther,
             unknown(9) + bytes({0xe8, 0x07, 0x61, 0x62}) + kFachOne, 1000, 3),
      stream("unknown wstring of 1000", Reader::Zuther, unknown(18) + bytes({0xe8, 0x07, 0x61, 0}) + kFachOne,
             2000, 3),
      stream("solv varint cut off", Reader::ORIN, bytes({0x70, 0x80}), 1, 2),
      stream("solv varint of four continuations", Reader::ORIN, bytes({0x70, 0xff, 0xff, 0xff, 0xff}), 1, 5),
      stream("bric count cut off", Reader::ORIN, bytes({0xcb, 0x12, 0x10, 0x80}), 1, 4),
      stream("unknown int64 cut off", Reader::Zuther, unknown(17) + bytes({0x80, 0x80}), 1, 3),
      stream("unknown string length cut off", Reader::Zuther, unknown(9) + bytes({0xe8}), 1, 2),
      // nesting: at most 64 levels of unknown values
      {"structs 64 deep", Reader::Zuther, nestedStructs(64) + kFachOne, Outcome::Read, kFachOne},
      {"structs 65 deep", Reader::Zuther, nestedStructs(65) + kFachOne, Outcome::Core, kTooDeep},
      {"structs 100000 deep", Reader::Zuther, nestedStructs(100000) + kFachOne, Outcome::Core, kTooDeep},
      {"structs 100000 deep, cut off", Reader::Zuther, nestedStructs(100000).substr(0, 100000), Outcome::Core,
       kTooDeep},
      {"lists 64 deep", Reader::Zuther, nestedLists(64) + kFachOne, Outcome::Read, kFachOne},
      {"lists 65 deep", Reader::Zuther, nestedLists(65) + kFachOne, Outcome::Core, kTooDeep},
      {"lists 100000 deep", Reader::Zuther, nestedLists(100000) + kFachOne, Outcome::Core, kTooDeep},
      {"nullable double of lists 64 deep", Reader::Zuther, nestedLists(64, bytes({0x4b})) + kFachOne,
       Outcome::Read, kFachOne},
      {"nullable double of lists 65 deep", Reader::Zuther, nestedLists(65, bytes({0x4b})) + kFachOne,
       Outcome::Core, kTooDeep},
      {"maps 64 deep", Reader::Zuther, nestedMaps(64) + kFachOne, Outcome::Read, kFachOne},
      {"maps 65 deep", Reader::Zuther, nestedMaps(65) + kFachOne, Outcome::Core, kTooDeep},
      {"maps 100000 deep", Reader::Zuther, nestedMaps(100000) + kFachOne, Outcome::Core, kTooDeep},
      {"maps in keys 64 deep", Reader::Zuther, nestedMaps(64, Nesting::InKeys) + kFachOne, Outcome::Read,
       kFachOne},
      {"maps in keys 65 deep", Reader::Zuther, nestedMaps(65, Nesting::InKeys) + kFachOne, Outcome::Core,
       kTooDeep},
      // undefined types wherever they stand; varints longer than their type
      {"undefined field type", Reader::Zuther, bytes({0x33, 0}), Outcome::Core, kUndefined},
      {"undefined list element", Reader::Zuther, bytes({0x2b, 0x13, 0x01, 0}), Outcome::Core, kUndefined},
      {"undefined map key", Reader::Zuther, bytes({0x2d, 0x10, 0x00, 0x00, 0}), Outcome::Core, kUndefined},
      {"undefined nullable element", Reader::Zuther, bytes({0x4b, 0x20, 0x00, 0}), Outcome::Core, kUndefined},
      {"solv of eleven bytes 0xff", Reader::ORIN, bytes({0x70}) + repeated(0xff, 11), Outcome::Core,
       kUndefined},
      {"unknown int64 of sixteen bytes 0xff", Reader::Zuther, unknown(17) + repeated(0xff, 16), Outcome::Core,
       kUndefined},
      {"unknown int64: the eleventh byte 0x80 ends the record", Reader::Zuther,
       unknown(17) + repeated(0x80, 11) + bytes({1}) + kFachOne, Outcome::Read, kStop},
      {"solv of ten bytes: five read, the sixth ends the record", Reader::ORIN,
       bytes({0x70, 0x88, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x01, 0}), Outcome::Read,
       bytes({0x70, 0x08, 0})},
      {"solv of five bytes, the sixth the stop", Reader::ORIN, bytes({0x70, 0x88, 0x80, 0x80, 0x80, 0x80, 0}),
       Outcome::Read, bytes({0x70, 0x08, 0})},
      {"unknown map of 2 in 5 bytes", Reader::Zuther, unknown(13) + bytes({0x10, 0x10, 2, 1, 2, 3, 4, 0}),
       Outcome::Read, kStop},
      // readings by rule
      {"bool bytes other than zero", Reader::ORIN, bytes({0xc2, 59, 0xff, 0xc2, 64, 0, 0}), Outcome::Read,
       bytes({0xc2, 59, 1, 0xc2, 64, 0, 0})},
      {"duplicate ids: the last wins, lower ids skipped", Reader::ORIN,
       bytes({0x30, 2, 0x70, 8, 0x30, 0, 0x70, 4, 0}), Outcome::Read, bytes({0x30, 2, 0x70, 4, 0})},
      // Simple JSON: syntax, nesting and numbers
      {"{", Reader::Json, "{", Outcome::Core,
       "JSON parser error: Missing a name for object member. at offset 1"},
      {"member cut off", Reader::Json, "{\"warp\":1", Outcome::Core,
       "JSON parser error: Missing a comma or '}' after an object member. at offset 9"},
      {"blank", Reader::Json, " ", Outcome::Core, "JSON parser error: The document is empty. at offset 1"},
      {"array root", Reader::Json, " [1]", Outcome::Core,
       "JSON parser error: The document root must be an object. at offset 1"},
      {"text after the object", Reader::Json, "{} x", Outcome::Core,
       "JSON parser error: The document root must not be followed by other values. at offset 3"},
      {"broken second object", Reader::Json, "{}{\"a\":}", Outcome::Core,
       "JSON parser error: Invalid value. at offset 7"},
      {"array after objects", Reader::Json, "{}{}[]", Outcome::Core,
       "JSON parser error: The document root must not be followed by other values. at offset 4"},
      {"blanks between objects", Reader::Json, "{\"warp\":1}\t\n\r {}\t", Outcome::Read, bytes({0x30, 2, 0})},
      {"1000 arrays in a member", Reader::Json, jsonArrays(1000), Outcome::Read, bytes({0x30, 2, 0})},
      {"2047 arrays in a member", Reader::Json, jsonArrays(2047), Outcome::Read, bytes({0x30, 2, 0})},
      {"2048 arrays in a member", Reader::Json, jsonArrays(2048), Outcome::Core, kJsonTooDeep + "2052"},
      {"100000 arrays in a member", Reader::Json, jsonArrays(100000), Outcome::Core, kJsonTooDeep + "2052"},
      {"100000 objects in objects", Reader::Json, jsonObjects(100000), Outcome::Core, kJsonTooDeep + "10240"},
      {"100000 arrays never closed", Reader::Json, "{\"x\":" + std::string(100000, '['), Outcome::Core,
       kJsonTooDeep + "2052"},
      {"deep in the object after the first", Reader::Json, "{\"warp\":1} " + jsonObjects(100000),
       Outcome::Core, kJsonTooDeep + "10251"},
      {"solv 2^31 passed over", Reader::Json, "{\"solv\":2147483648}", Outcome::Read, kStop},
      {"solv -2^31-1 passed over", Reader::Json, "{\"solv\":-2147483649}", Outcome::Read, kStop},
      {"solv 2^63 passed over", Reader::Json, "{\"solv\":9223372036854775808}", Outcome::Read, kStop},
      {"solv of 30 digits passed over", Reader::Json, "{\"solv\":123456789012345678901234567890}",
       Outcome::Read, kStop},
      {"solv 2^31, then 4", Reader::Json, "{\"solv\":2147483648,\"solv\":4}", Outcome::Read,
       bytes({0x70, 8, 0})},
      {"solv INT32_MAX", Reader::Json, "{\"solv\":2147483647}", Outcome::Read,
       bytes({0x70, 0xfe, 0xff, 0xff, 0xff, 0x0f, 0})},
      {"solv INT32_MIN", Reader::Json, "{\"solv\":-2147483648}", Outcome::Read,
       bytes({0x70, 0xff, 0xff, 0xff, 0xff, 0x0f, 0})},
      {"bric [2^31] passed over", Reader::Json, "{\"bric\":[2147483648]}", Outcome::Read, kStop},
      {"bric [-2^31-1] passed over", Reader::Json, "{\"bric\":[-2147483649]}", Outcome::Read, kStop},
      {"solv 1e400", Reader::Json, "{\"solv\":1e400}", Outcome::Core, kTooBig + "8"},
      {"solv 1e400 in the second object", Reader::Json, "{} {\"solv\":1e400}", Outcome::Core, kTooBig + "11"},
      {"t_custom true, then false", Reader::Json, "{\"t_custom\":true,\"t_custom\":false}", Outcome::Read,
       bytes({0xc2, 0x3b, 0x01, 0x00})},
      {"fric [-1e400]", Reader::Json, "{\"fric\":[-1e400]}", Outcome::Core, kTooBig + "9"},
      {"fric [1.7976931348623159e308]", Reader::Json, "{\"fric\":[1.7976931348623159e308]}", Outcome::Core,
       kTooBig, true},
      {"fric [100e307]", Reader::Json, "{\"fric\":[100e307]}", Outcome::Core, kTooBig, true},
      {"fric [100e307] in the second object", Reader::Json, "{} {\"fric\":[100e307]}", Outcome::Core,
       kTooBig + "12"},
      {"fric [0.1000...e310]: trailing zeros do not make it small", Reader::Json,
       "{\"fric\":[0.1" + std::string(400, '0') + "e310]}", Outcome::Core, kTooBig, true},
      {"solv of 400 digits", Reader::Json, "{\"solv\":1" + std::string(400, '0') + "}", Outcome::Core,
       kTooBig + "8"},
      {"member name that is no field id", Reader::Json, "{\"0;\":3,\"1a\":1,\"65550\":[1]}", Outcome::Read,
       kStop},
  };
  for (Case const& c : cases) check(c);
}

// Each field takes the first member, by name or by id, whose value fits it; numbers are correctly rounded
// and those below the smallest double are zero with their sign.
TEST(CodecJsonReading, MembersAndNumbers) {
  struct Row {
    char const* line;
    std::optional<double> fric;
    std::optional<std::int32_t> bric;
  };
  for (auto const& c : {Row{"{\"fric\":[\"x\"],\"fric\":[2.5]}", 2.5, {}},
                        Row{"{\"fric\":{},\"14\":[3]}", 3.0, {}},
                        Row{"{\"fric\":null,\"fric\":[1]}", {}, {}},
                        Row{"{\"bric\":[1.5],\"bric\":[-4,\"x\"]}", {}, -4},
                        Row{"{\"bric\":[[1]],\"18\":[]}", {}, {}},
                        Row{"{\"x\":{\"fric\":[1]},\"00014\":[6]}", 6.0, {}},
                        Row{"{\"65550\":[1],\"bric\":[2]}", {}, 2},
                        Row{"{\"fric\":[-805411.19024340936]}", -805411.19024340936, {}},
                        Row{"{\"fric\":[0.1]}", 0.1, {}},
                        Row{"{\"fric\":[123456789012345678901234567890]}", 1.2345678901234568e+29, {}},
                        Row{"{\"fric\":[1e-400]}", 0.0, {}},
                        Row{"{\"fric\":[-1e-400]}", -0.0, {}},
                        Row{"{\"fric\":[-0.00000e-500]}", -0.0, {}},
                        Row{"{\"fric\":[2e-324]}", 0.0, {}},
                        Row{"{\"fric\":[0e300]}", 0.0, {}},
                        Row{"{\"fric\":[4.9406564584124654e-324]}", 4.9406564584124654e-324, {}},
                        Row{"{\"fric\":[9007199254740993]}", 9007199254740992.0, {}},
                        Row{"{\"fric\":[-0]}", 0.0, {}},
                        Row{"{\"fric\":[-12.5e-1]}", -1.25, {}},
                        Row{"{\"bric\":[-12]}", {}, -12}}) {
    ORIN_Control_Properties record;
    trv::serialization::fromSimpleJson(c.line, record);
    EXPECT_EQ(record.fric, c.fric) << c.line;
    if (c.fric) {
      EXPECT_EQ(std::signbit(*record.fric), std::signbit(*c.fric)) << c.line;
    }
    EXPECT_EQ(record.bric, c.bric) << c.line;
  }
  ORIN_Control_Properties tiny;  // below the smallest double by its 400 leading zeros alone
  trv::serialization::fromSimpleJson("{\"fric\":[0." + std::string(400, '0') + "1e25]}", tiny);
  EXPECT_EQ(tiny.fric, std::optional<double>(0.0));
  ORIN_Control_Properties byId;  // field ids with every digit: 19 is cabl
  trv::serialization::fromSimpleJson("{\"19\":[2.5],\"0000000000000000000011\":\"Linesearch\"}", byId);
  EXPECT_EQ(byId.cabl, std::optional<double>(2.5));
  EXPECT_EQ(byId.iter, ORIN_ITER::Linesearch);
  Zuther_Control_Properties zuther;  // an empty member name is no field id, not id 0 ("lay")
  trv::serialization::fromSimpleJson("{\"\":1}", zuther);
  EXPECT_EQ(zuther.lay, Zuther_Control_Properties{}.lay);
}

// Under AddressSanitizer its shadow memory (an eighth of every block) and its quarantine are resident too:
// the peak is measured in the plain build only.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRV_RESIDENT_PEAK_OFF 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TRV_RESIDENT_PEAK_OFF 1
#endif
#ifdef TRV_RESIDENT_PEAK_OFF
constexpr bool kPlainBuild = false;
#else
constexpr bool kPlainBuild = true;
#endif

// The peak of the resident memory while an object lives, over what was resident at its construction.
class ResidentPeak {
 public:
  ResidentPeak() : start_(statusKiB("VmRSS:")) {
    std::ofstream("/proc/self/clear_refs") << "5";
    measurable_ = kPlainBuild && start_ > 0 && statusKiB("VmHWM:") <= start_ + 1024;
  }
  bool measurable() const { return measurable_; }  // not where /proc is read-only, nor under ASan
  long growthKiB() const { return statusKiB("VmHWM:") - start_; }

 private:
  static long statusKiB(std::string const& key) {
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;)
      if (word == key) {
        long value = 0;
        status >> value;
        return value;
      }
    return -1;
  }
  long start_;
  bool measurable_ = false;
};

// A stored line of 64 MiB is decoded within its own size, nothing allocated per declared count. "A" is the
// zero sextet: zero bytes, a stop first; "0" gives d3 4d 34 ...: a field of the undefined wire type 19.
TEST(CodecHostilePayloads, StoredLineOf64MiBStaysWithinItsSize) {
  int const size = 64 << 20;
  for (char const character : {'A', '0'}) {
    QString const text(size, QLatin1Char(character));
    ResidentPeak const peak;
    try {
      auto const records = data::decodeBase64Lines<ORIN_Control_Properties>(text);
      EXPECT_EQ(character, 'A');
      EXPECT_EQ(records.size(), 1u);
    } catch (CoreException const& e) {
      EXPECT_EQ(character, '0');
      EXPECT_EQ(std::string(e.what()), kUndefined);
    }
    if (peak.measurable()) {
      EXPECT_LT(peak.growthKiB(), size / 1024) << character;
    }
  }
}

#ifdef TRV_CHECKED_READS
// An unchecked read beyond the bytes granted to it traps, even where the input holds them.
TEST(CodecCheckedReadsDeathTest, AnUncheckedReadBeyondItsGrantTraps) {
  Bytes const eight(8, '\x01');
  auto readPast = [&](std::size_t granted) {
    trv::serialization::compact_binary::InputBuffer input(eight);
    input.grant(granted);
    input.readUint64<false>();
  };
  readPast(8);
  EXPECT_DEATH(readPast(7), "");
}
#endif

}  // namespace
