// Hostile stored texts, one named class each. A text that the stored form refuses fails with the codec's
// own exception and message, leaves the task's options as they were and makes the inspector see no signal;
// a text that the stored form reads by a fixed rule is stored as that rule says. Decoding stays within a
// fixed nesting depth and within the memory of its input.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "host/trv_properties_qt/QtInspectorWidget.h"
#include "lib/properties/control_param/src/Data.h"
#include "serialization/errors.h"
#include "serialization/json_parser.h"
#include "serialization/wire.h"

namespace {

using namespace trv::control_param;
using trv::serialization::CoreException;
using trv::serialization::StreamException;
using Bytes = std::string;

// The options of one task as a host holds them, with an inspector whose model signals are counted. Each
// task starts from options away from the defaults, so a partial or default read would show.
class HostTask {
 public:
  explicit HostTask(ProgrammTypes type) : data(type, 0), widget(data.createPropertyInspector(nullptr)) {
    data.insertXMLData(presetText(type));
    auto& s = *widget->modelSignals();
    auto one = [this](trv::ObjectKey const&) { ++signals; };
    auto all = [this](std::vector<trv::ObjectKey> const&) { ++signals; };
    for (auto&& connection : {s.inserted.connect(one), s.insertedDone.connect(one), s.modified.connect(one),
                              s.modifiedDone.connect(one), s.aboutToErase.connect(one), s.erased.connect(one),
                              s.erasedAll.connect(all), s.aboutToEraseAll.connect(all)})
      connections.emplace_back(connection);
  }

  static QString presetText(ProgrammTypes type) {
    switch (type) {
      case Zuther_A:
        return QStringLiteral("{\"lay\":1,\"tens\":[0.5],\"fach\":1}");
      case BRAX_A:
        return QStringLiteral("{\"cant\":3,\"cast\":true,\"version_id\":1}");
      default:
        return QStringLiteral("{\"warp\":1,\"solv\":4,\"fric\":[2.5],\"bric\":[-7],\"t_custom\":true}");
    }
  }

  Data data;
  std::unique_ptr<trv::properties::QtInspectorWidget> widget;
  int signals = 0;
  std::vector<boost::signals2::scoped_connection> connections;
};

enum class Outcome { Stream, Core, Stored };

// One hostile text and what it must give: the exception and its message (whole, or its beginning when
// `prefixOnly`), or for Stored the stored text the task holds afterwards.
struct Case {
  char const* name;
  ProgrammTypes type;
  QString text;
  Outcome outcome;
  std::string expected;
  bool prefixOnly = false;
};

Bytes bytes(std::initializer_list<int> values) {
  Bytes out;
  for (int value : values) out.push_back(static_cast<char>(value));
  return out;
}

Bytes repeated(int value, std::size_t count) {
  return Bytes(count, static_cast<char>(value));
}

// The stored line of `payload`, as a project file holds it.
QString line(Bytes const& payload) {
  QByteArray const raw(payload.data(), static_cast<int>(payload.size()));
  return QString::fromLatin1(raw.toBase64()) + QLatin1Char('\n');
}

std::string stored(Bytes const& payload) {
  return line(payload).toStdString();
}

// The double 2.5, little-endian.
Bytes const kTwoAndAHalf = bytes({0, 0, 0, 0, 0, 0, 0x04, 0x40});
// Zuther `fach` 1, then the stop marker: what the Zuther texts below end with.
Bytes const kFachOneAndStop = bytes({0xd0, 0x07, 0x02, 0x00});
// The header of the Zuther field id 1, which the Zuther record does not have, with wire type `type`.
Bytes unknownField(int type) {
  return bytes({(1 << 5) | type});
}

void check(HostTask& task, Case const& c) {
  SCOPED_TRACE(c.name);
  QString const before = task.data.getXMLData();
  task.signals = 0;
  Outcome outcome = Outcome::Stored;
  std::string message;
  try {
    task.data.insertXMLData(c.text);
  } catch (StreamException const& e) {
    outcome = Outcome::Stream;
    message = e.what();
  } catch (CoreException const& e) {
    outcome = Outcome::Core;
    message = e.what();
  }
  ASSERT_EQ(outcome, c.outcome) << message;
  if (outcome == Outcome::Stored) {
    EXPECT_EQ(task.data.getXMLData().toStdString(), c.expected);
    EXPECT_EQ(task.signals, 2);  // modified and modifiedDone, once
    return;
  }
  if (c.prefixOnly)
    EXPECT_EQ(message.substr(0, c.expected.size()), c.expected) << message;
  else
    EXPECT_EQ(message, c.expected);
  EXPECT_EQ(task.data.getXMLData(), before);
  EXPECT_EQ(task.signals, 0);
}

void check(Case const& c) {
  HostTask task(c.type);
  check(task, c);
}

void checkAll(std::vector<Case> const& cases) {
  for (Case const& c : cases) check(c);
}

Case rejected(char const* name, ProgrammTypes type, Bytes const& payload, Outcome outcome,
              std::string message) {
  return Case{name, type, line(payload), outcome, std::move(message)};
}

TEST(HardeningHostilePayloads, NullableDeclaringTwoElementsWithOnePresent) {
  checkAll({
      rejected("fric list<double> count 2, stop after the element", ORIN_A,
               bytes({0xcb, 0x0e, 0x08, 0x02}) + kTwoAndAHalf + bytes({0x00}), Outcome::Stream,
               "Read out of bounds: 8 bytes requested, offset: 12, length: 13"),
      rejected("fric list<double> count 2, nothing after the element", ORIN_A,
               bytes({0xcb, 0x0e, 0x08, 0x02}) + kTwoAndAHalf, Outcome::Stream,
               "Read out of bounds: 8 bytes requested, offset: 12, length: 12"),
      rejected("bric list<int32> count 2: the stop marker is taken as the second element", ORIN_A,
               bytes({0xcb, 0x12, 0x10, 0x02, 0x0d, 0x00}), Outcome::Stream,
               "Read out of bounds: 1 bytes requested, offset: 6, length: 6"),
  });
}

TEST(HardeningHostilePayloads, NullableDeclaring2To31Elements) {
  Bytes const count = bytes({0x80, 0x80, 0x80, 0x80, 0x08});  // 2^31
  checkAll({
      rejected("fric list<double>", ORIN_A, bytes({0xcb, 0x0e, 0x08}) + count + kTwoAndAHalf + bytes({0x00}),
               Outcome::Stream, "Read out of bounds: 17179869176 bytes requested, offset: 16, length: 17"),
      rejected("bric list<int32>", ORIN_A, bytes({0xcb, 0x12, 0x10}) + count + bytes({0x0d, 0x00}),
               Outcome::Stream, "Read out of bounds: 2147483647 bytes requested, offset: 9, length: 10"),
      rejected("bric list<string>, an element type it cannot take", ORIN_A,
               bytes({0xcb, 0x12, 0x09}) + count + bytes({0x01, 0x41, 0x00}), Outcome::Stream,
               "Read out of bounds: 2147483648 bytes requested, offset: 8, length: 11"),
  });
}

TEST(HardeningHostilePayloads, UnknownContainerDeclaringMoreElementsThanBytesRemain) {
  auto zuther = [](char const* name, Bytes const& payload, char const* message) {
    return rejected(name, Zuther_A, payload + kFachOneAndStop, Outcome::Stream, message);
  };
  checkAll({
      zuther("list<int32> of 1000", unknownField(11) + bytes({0x10, 0xe8, 0x07, 0x02, 0x04}),
             "Read out of bounds: 1000 bytes requested, offset: 4, length: 10"),
      zuther("set<int32> of 1000", unknownField(12) + bytes({0x10, 0xe8, 0x07, 0x02, 0x04}),
             "Read out of bounds: 1000 bytes requested, offset: 4, length: 10"),
      zuther("list<double> of 1000", unknownField(11) + bytes({0x08, 0xe8, 0x07}) + kTwoAndAHalf,
             "Read out of bounds: 8000 bytes requested, offset: 4, length: 16"),
      zuther("list<struct> of 2^32-1", unknownField(11) + bytes({0x0a, 0xff, 0xff, 0xff, 0xff, 0x0f, 0x00}),
             "Read out of bounds: 4294967295 bytes requested, offset: 7, length: 12"),
      zuther("map<int32,int32> of 1000", unknownField(13) + bytes({0x10, 0x10, 0xe8, 0x07, 0x02, 0x04}),
             "Read out of bounds: 2000 bytes requested, offset: 5, length: 11"),
      zuther("string of 1000 bytes", unknownField(9) + bytes({0xe8, 0x07, 0x61, 0x62}),
             "Read out of bounds: 1000 bytes requested, offset: 3, length: 9"),
      zuther("wstring of 1000 characters", unknownField(18) + bytes({0xe8, 0x07, 0x61, 0x00}),
             "Read out of bounds: 2000 bytes requested, offset: 3, length: 9"),
  });
}

// `levels` unknown values, each nested in the one before, under the Zuther field id 1.
Bytes nestedStructs(std::size_t levels) {
  return unknownField(10) + repeated(0x0a, levels - 1) + repeated(0x00, levels);
}
Bytes nestedLists(std::size_t levels) {
  Bytes payload = unknownField(11);
  for (std::size_t i = 1; i < levels; ++i) payload += bytes({0x0b, 0x01});
  return payload + bytes({0x10, 0x01, 0x02});
}
Bytes nestedMaps(std::size_t levels) {
  Bytes payload = unknownField(13);
  for (std::size_t i = 1; i < levels; ++i) payload += bytes({0x10, 0x0d, 0x01, 0x02});
  return payload + bytes({0x10, 0x10, 0x01, 0x02, 0x04});
}

TEST(HardeningHostilePayloads, UnknownValuesNested100000Deep) {
  std::string const tooDeep = "Max recursion depth exceeded";
  checkAll({
      rejected("structs", Zuther_A, nestedStructs(100000) + kFachOneAndStop, Outcome::Core, tooDeep),
      rejected("structs, cut off inside", Zuther_A, nestedStructs(100000).substr(0, 100000), Outcome::Core,
               tooDeep),
      rejected("lists of lists", Zuther_A, nestedLists(100000) + kFachOneAndStop, Outcome::Core, tooDeep),
      rejected("maps of maps", Zuther_A, nestedMaps(100000) + kFachOneAndStop, Outcome::Core, tooDeep),
  });
}

// The codec's rule: unknown values nest at most kMaxDepth levels, the record's field being the first.
TEST(HardeningHostilePayloads, UnknownValuesNestAtMost64Levels) {
  std::size_t const limit = trv::serialization::compact_binary::kMaxDepth;
  ASSERT_EQ(limit, 64u);
  std::string const fachOne = stored(kFachOneAndStop);
  std::string const tooDeep = "Max recursion depth exceeded";
  checkAll({
      {"structs 64 deep", Zuther_A, line(nestedStructs(limit) + kFachOneAndStop), Outcome::Stored, fachOne},
      rejected("structs 65 deep", Zuther_A, nestedStructs(limit + 1) + kFachOneAndStop, Outcome::Core,
               tooDeep),
      {"lists 64 deep", Zuther_A, line(nestedLists(limit) + kFachOneAndStop), Outcome::Stored, fachOne},
      rejected("lists 65 deep", Zuther_A, nestedLists(limit + 1) + kFachOneAndStop, Outcome::Core, tooDeep),
      {"maps 64 deep", Zuther_A, line(nestedMaps(limit) + kFachOneAndStop), Outcome::Stored, fachOne},
      rejected("maps 65 deep", Zuther_A, nestedMaps(limit + 1) + kFachOneAndStop, Outcome::Core, tooDeep),
  });
}

TEST(HardeningHostilePayloads, TruncatedVarint) {
  checkAll({
      rejected("solv, one continuation byte", ORIN_A, bytes({0x70, 0x80}), Outcome::Stream,
               "Read out of bounds: 1 bytes requested, offset: 2, length: 2"),
      rejected("solv, four continuation bytes", ORIN_A, bytes({0x70, 0xff, 0xff, 0xff, 0xff}),
               Outcome::Stream, "Read out of bounds: 1 bytes requested, offset: 5, length: 5"),
      rejected("bric element count", ORIN_A, bytes({0xcb, 0x12, 0x10, 0x80}), Outcome::Stream,
               "Read out of bounds: 1 bytes requested, offset: 4, length: 4"),
      rejected("unknown int64", Zuther_A, unknownField(17) + bytes({0x80, 0x80}), Outcome::Stream,
               "Read out of bounds: 1 bytes requested, offset: 3, length: 3"),
      rejected("unknown string length", Zuther_A, unknownField(9) + bytes({0xe8}), Outcome::Stream,
               "Read out of bounds: 1 bytes requested, offset: 2, length: 2"),
  });
}

// A varint is read from at most 5 (32-bit) or 10 (64-bit) bytes; the next byte starts the next field
// header. Continuation bytes to the end make that header an undefined wire type; a byte 0x80 after the
// limit is a stop marker and ends the record.
TEST(HardeningHostilePayloads, VarintLongerThanTenBytes) {
  checkAll({
      rejected("solv, eleven bytes 0xff", ORIN_A, bytes({0x70}) + repeated(0xff, 11), Outcome::Core,
               "Unknown data type found"),
      rejected("unknown int64, sixteen bytes 0xff", Zuther_A, unknownField(17) + repeated(0xff, 16),
               Outcome::Core, "Unknown data type found"),
      {"unknown int64, the eleventh byte 0x80 ends the record", Zuther_A,
       line(unknownField(17) + repeated(0x80, 11) + bytes({0x01}) + kFachOneAndStop), Outcome::Stored,
       stored(bytes({0x00}))},
      {"solv, ten bytes: five read, the sixth ends the record", ORIN_A,
       line(bytes({0x70, 0x88, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x01, 0x00})), Outcome::Stored,
       stored(bytes({0x70, 0x08, 0x00}))},
  });
}

// Every wire type code as the Zuther field id 1, followed by a value of that type and by `fach` 1: codes 2
// to 18 are values and are skipped, 0 is the stop marker and 1 the stop-base marker (both end the field
// matching, so `fach` keeps its default), 19 to 31 are undefined.
TEST(HardeningHostilePayloads, EveryWireTypeAsUnknownField) {
  struct Row {
    int type;
    Bytes value;
  };
  std::vector<Row> const values = {
      {2, bytes({0x01})},
      {3, bytes({0x05})},
      {4, bytes({0x05})},
      {5, bytes({0x05})},
      {6, bytes({0x05})},
      {7, bytes({0x00, 0x00, 0x80, 0x3f})},
      {8, kTwoAndAHalf},
      {9, bytes({0x01, 0x6b})},
      {10, bytes({0x10, 0x08, 0x00})},
      {11, bytes({0x10, 0x01, 0x08})},
      {12, bytes({0x10, 0x01, 0x08})},
      {13, bytes({0x10, 0x10, 0x01, 0x08, 0x08})},
      {14, bytes({0x05})},
      {15, bytes({0x05})},
      {16, bytes({0x05})},
      {17, bytes({0x05})},
      {18, bytes({0x01, 0x6b, 0x00})},
  };
  std::vector<Case> cases;
  std::vector<std::string> names;
  names.reserve(32);
  for (int type = 0; type < 32; ++type) names.push_back("wire type " + std::to_string(type));
  for (int type = 0; type < 32; ++type) {
    char const* name = names[static_cast<std::size_t>(type)].c_str();
    Bytes const header = unknownField(type);
    if (type <= 1) {
      cases.push_back(
          {name, Zuther_A, line(header + kFachOneAndStop), Outcome::Stored, stored(bytes({0x00}))});
    } else if (type <= 18) {
      Bytes const& value = values[static_cast<std::size_t>(type - 2)].value;
      ASSERT_EQ(values[static_cast<std::size_t>(type - 2)].type, type);
      cases.push_back(
          {name, Zuther_A, line(header + value + kFachOneAndStop), Outcome::Stored, stored(kFachOneAndStop)});
    } else {
      cases.push_back(
          rejected(name, Zuther_A, header + kFachOneAndStop, Outcome::Core, "Unknown data type found"));
    }
  }
  checkAll(cases);
}

QString jsonArraysIn(std::size_t arrays) {
  return QStringLiteral("{\"x\":") + QString(static_cast<int>(arrays), QLatin1Char('[')) +
         QString(static_cast<int>(arrays), QLatin1Char(']')) + QStringLiteral(",\"warp\":1}");
}

QString jsonObjectsIn(std::size_t objects) {
  QString text;
  for (std::size_t i = 0; i < objects; ++i) text += QStringLiteral("{\"x\":");
  text += QStringLiteral("1");
  return text + QString(static_cast<int>(objects), QLatin1Char('}'));
}

TEST(HardeningHostilePayloads, JsonNested100000Deep) {
  std::string const prefix = "JSON parser error: The document is nested too deeply. at offset ";
  checkAll({
      {"arrays in a member", ORIN_A, jsonArraysIn(100000), Outcome::Core, prefix + "2052"},
      {"objects in objects", ORIN_A, jsonObjectsIn(100000), Outcome::Core, prefix + "10240"},
      {"arrays, never closed", ORIN_A, QStringLiteral("{\"x\":") + QString(100000, QLatin1Char('[')),
       Outcome::Core, prefix + "2052"},
      {"in the object after the first", ORIN_A, QStringLiteral("{\"warp\":1} ") + jsonObjectsIn(100000),
       Outcome::Core, prefix + "10251"},
  });
}

// The codec's rule: JSON nests at most kMaxNesting levels, the root object being the first; deep unknown
// members within that are read past.
TEST(HardeningHostilePayloads, JsonNestsAtMost2048Levels) {
  std::size_t const limit = trv::serialization::simple_json::kMaxNesting;
  ASSERT_EQ(limit, 2048u);
  std::string const warpOne = stored(bytes({0x30, 0x02, 0x00}));
  checkAll({
      {"1000 arrays in a member", ORIN_A, jsonArraysIn(1000), Outcome::Stored, warpOne},
      {"2047 arrays in a member", ORIN_A, jsonArraysIn(limit - 1), Outcome::Stored, warpOne},
      {"2048 arrays in a member", ORIN_A, jsonArraysIn(limit), Outcome::Core,
       "JSON parser error: The document is nested too deeply. at offset 2052"},
  });
}

// Integers beyond int32 do not fit an int32 or enumeration field and are passed over like any member of the
// wrong type; numbers beyond the double range are a syntax error.
TEST(HardeningHostilePayloads, JsonNumbersBeyondInt32) {
  std::string const defaults = stored(bytes({0x00}));
  auto json = [](char const* text) { return QString::fromLatin1(text); };
  checkAll({
      {"solv 2^31", ORIN_A, json("{\"solv\":2147483648}"), Outcome::Stored, defaults},
      {"solv -2^31-1", ORIN_A, json("{\"solv\":-2147483649}"), Outcome::Stored, defaults},
      {"solv 2^63", ORIN_A, json("{\"solv\":9223372036854775808}"), Outcome::Stored, defaults},
      {"solv of 30 digits", ORIN_A, json("{\"solv\":123456789012345678901234567890}"), Outcome::Stored,
       defaults},
      {"solv 2^31, then 4", ORIN_A, json("{\"solv\":2147483648,\"solv\":4}"), Outcome::Stored,
       stored(bytes({0x70, 0x08, 0x00}))},
      {"solv INT32_MAX", ORIN_A, json("{\"solv\":2147483647}"), Outcome::Stored,
       stored(bytes({0x70, 0xfe, 0xff, 0xff, 0xff, 0x0f, 0x00}))},
      {"solv INT32_MIN", ORIN_A, json("{\"solv\":-2147483648}"), Outcome::Stored,
       stored(bytes({0x70, 0xff, 0xff, 0xff, 0xff, 0x0f, 0x00}))},
      {"bric [2^31]", ORIN_A, json("{\"bric\":[2147483648]}"), Outcome::Stored, defaults},
      {"bric [-2^31-1]", ORIN_A, json("{\"bric\":[-2147483649]}"), Outcome::Stored, defaults},
      {"version_id 2^32", BRAX_A, json("{\"version_id\":4294967296}"), Outcome::Stored, defaults},
      {"solv 1e400", ORIN_A, json("{\"solv\":1e400}"), Outcome::Core,
       "JSON parser error: Number too big to be stored in double. at offset 8"},
      {"fric [-1e400]", ORIN_A, json("{\"fric\":[-1e400]}"), Outcome::Core,
       "JSON parser error: Number too big to be stored in double. at offset 9"},
      {"solv of 400 digits", ORIN_A, QStringLiteral("{\"solv\":1") + QString(400, QLatin1Char('0')) + "}",
       Outcome::Core, "JSON parser error: Number too big to be stored in double. at offset 8"},
  });
}

// The peak of the resident memory while an object lives, over what was resident at its construction.
class ResidentPeak {
 public:
  ResidentPeak() : start_(statusKiB("VmRSS:")) {
    std::ofstream("/proc/self/clear_refs") << "5";
    measurable_ = start_ > 0 && statusKiB("VmHWM:") <= start_ + 1024;
  }
  // Whether the peak could be reset (not so outside Linux or where /proc is read-only).
  bool measurable() const { return measurable_; }
  long growthKiB() const { return statusKiB("VmHWM:") - start_; }

 private:
  static long statusKiB(std::string const& key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
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

// A line of 64 MiB is decoded within its own size: the bytes it holds (three quarters of it), nothing per
// declared count. "A" is the zero sextet: the bytes are zeros, a stop marker first, the rest passed over.
// "0" gives the bytes d3 4d 34 ...: a field of the undefined wire type 19.
TEST(HardeningHostilePayloads, Base64LineOf64MiB) {
  int const size = 64 << 20;
  struct Row {
    char const* name;
    char character;
    Outcome outcome;
    std::string expected;
  };
  for (Row const& row : {Row{"zero bytes", 'A', Outcome::Stored, stored(bytes({0x00}))},
                         Row{"characters 0", '0', Outcome::Core, "Unknown data type found"}}) {
    Case c{row.name, ORIN_A, QString(size, QLatin1Char(row.character)), row.outcome, row.expected};
    HostTask task(c.type);
    ResidentPeak const peak;
    check(task, c);
    if (peak.measurable()) {
      EXPECT_LT(peak.growthKiB(), size / 1024) << row.name;
    }
  }
}

}  // namespace
