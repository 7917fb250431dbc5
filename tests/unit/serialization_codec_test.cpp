// Codec details beyond the reference vectors: exact error texts, the nesting bound, counts larger than
// the input, and Simple JSON member matching.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "lib/properties/control_param/schema/records.h"
#include "serialization/compact_binary.h"
#include "serialization/errors.h"
#include "serialization/simple_json.h"

namespace {

using namespace trv::control_param;
using trv::serialization::CoreException;
using trv::serialization::fromCompactBinary;
using trv::serialization::fromSimpleJson;
using trv::serialization::StreamException;

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

template <typename Exception>
std::string errorOf(std::string const& payload) {
  Zuther_Control_Properties record;
  try {
    fromCompactBinary(payload, record);
  } catch (Exception const& error) {
    return error.what();
  }
  return "no error";
}

// An unknown field 1 of Zuther holding structs nested `levels` deep, then the stop bytes.
std::string nestedStructs(int levels) {
  std::string payload(1, '\x2a');              // id 1, struct
  payload += std::string(levels - 1, '\x0a');  // id 0, struct
  payload += std::string(levels + 1, '\x00');  // one stop per struct and the record's
  return payload;
}

struct ErrorCase {
  std::string payload;
  std::string message;
};

TEST(CompactBinaryErrors, StreamErrorsNameTheFailedRead) {
  for (auto const& c :
       {ErrorCase{"", "Read out of bounds: 1 bytes requested, offset: 0, length: 0"},
        ErrorCase{bytes({0x48, 0, 0, 0}), "Read out of bounds: 8 bytes requested, offset: 1, length: 4"},
        ErrorCase{bytes({0xf0, 0x40}), "Read out of bounds: 2 bytes requested, offset: 1, length: 2"},
        ErrorCase{bytes({0x29, 0xe8, 0x07, 0x61}),
                  "Read out of bounds: 1000 bytes requested, offset: 3, length: 4"},
        // list<double> of 2^32-1 elements: checked before multiplying, nothing is allocated
        ErrorCase{bytes({0x2b, 0x08, 0xff, 0xff, 0xff, 0xff, 0x0f, 0}),
                  "Read out of bounds: 34359738360 bytes requested, offset: 7, length: 8"},
        // nullable tens with 3 doubles announced, one present
        ErrorCase{bytes({0x4b, 0x08, 0x03, 0, 0, 0, 0, 0, 0, 0x29, 0x40, 0}),
                  "Read out of bounds: 16 bytes requested, offset: 11, length: 12"}}) {
    EXPECT_EQ(errorOf<StreamException>(c.payload), c.message);
  }
}

TEST(CompactBinaryErrors, NestingIsBoundAt64Levels) {
  Zuther_Control_Properties record;
  EXPECT_NO_THROW(fromCompactBinary(nestedStructs(64), record));
  EXPECT_EQ(errorOf<CoreException>(nestedStructs(65)), "Max recursion depth exceeded");
  EXPECT_EQ(errorOf<CoreException>(nestedStructs(100000)), "Max recursion depth exceeded");
  std::string lists(1, '\x2b');  // id 1, list of lists ... of int32
  for (int i = 0; i < 70; ++i) lists += bytes({0x0b, 0x01});
  EXPECT_EQ(errorOf<CoreException>(lists), "Max recursion depth exceeded");
}

TEST(CompactBinaryErrors, UndefinedTypesAreRefusedWhereverTheyStand) {
  for (auto const& payload : {bytes({0x33, 0}), bytes({0x2b, 0x13, 0x01, 0}),
                              bytes({0x2d, 0x10, 0x00, 0x00, 0}), bytes({0x4b, 0x20, 0x00, 0})}) {
    EXPECT_EQ(errorOf<CoreException>(payload), "Unknown data type found");
  }
}

TEST(CompactBinaryReading, BoolBytesOtherThanZeroReadAsTrue) {
  ORIN_Control_Properties record;
  fromCompactBinary(bytes({0xc2, 59, 0xff, 0xc2, 64, 0x00, 0}), record);
  EXPECT_TRUE(record.t_custom);
  EXPECT_FALSE(record.spri_direction);
}

TEST(CompactBinaryReading, DuplicateIdsTakeTheLastAndLowerIdsAreSkipped) {
  ORIN_Control_Properties record;
  fromCompactBinary(bytes({0x30, 0x02, 0x70, 0x08, 0x30, 0x00, 0x70, 0x04, 0}), record);
  EXPECT_EQ(record.warp, ORIN_WARP::Active);
  EXPECT_EQ(record.solv, ORIN_SOLV::IterativeEquationSolver);
}

TEST(SimpleJsonErrors, SyntaxErrorsNameTheirOffset) {
  for (auto const& c :
       {ErrorCase{"{", "JSON parser error: Missing a name for object member. at offset 1"},
        ErrorCase{"{\"warp\":1",
                  "JSON parser error: Missing a comma or '}' after an object member. at offset 9"},
        ErrorCase{" ", "JSON parser error: The document is empty. at offset 1"},
        ErrorCase{" [1]", "JSON parser error: The document root must be an object. at offset 1"},
        ErrorCase{"{} x",
                  "JSON parser error: The document root must not be followed by other values. at offset 3"},
        ErrorCase{"{}{\"a\":}", "JSON parser error: Invalid value. at offset 7"},
        ErrorCase{
            "{}{}[]",
            "JSON parser error: The document root must not be followed by other values. at offset 4"}}) {
    ORIN_Control_Properties record;
    try {
      fromSimpleJson(c.payload, record);
      ADD_FAILURE() << c.payload << " was accepted";
    } catch (CoreException const& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
}

TEST(SimpleJsonReading, EachFieldTakesTheFirstMemberThatFits) {
  struct Case {
    char const* line;
    std::optional<double> fric;
    std::optional<std::int32_t> bric;
  };
  for (auto const& c :
       {Case{"{\"fric\":[\"x\"],\"fric\":[2.5]}", 2.5, {}}, Case{"{\"fric\":{},\"14\":[3]}", 3.0, {}},
        Case{"{\"fric\":null,\"fric\":[1]}", {}, {}}, Case{"{\"bric\":[1.5],\"bric\":[-4,\"x\"]}", {}, -4},
        Case{"{\"bric\":[[1]],\"18\":[]}", {}, {}}, Case{"{\"x\":{\"fric\":[1]},\"00014\":[6]}", 6.0, {}},
        Case{"{\"65550\":[1],\"bric\":[2]}", {}, 2}}) {
    ORIN_Control_Properties record;
    record.bric = 99;
    if (std::string(c.line).find("bric") == std::string::npos &&
        std::string(c.line).find("18") == std::string::npos)
      record.bric.reset();
    fromSimpleJson(c.line, record);
    EXPECT_EQ(record.fric, c.fric) << c.line;
    EXPECT_EQ(record.bric, c.bric) << c.line;
  }
}

}  // namespace

namespace {

TEST(SimpleJsonReading, NumbersAreCorrectlyRoundedAndTinyOnesAreZero) {
  struct Case {
    char const* number;
    double value;
  };
  for (auto const& c : {Case{"-805411.19024340936", -805411.19024340936}, Case{"0.1", 0.1},
                        Case{"123456789012345678901234567890", 1.2345678901234568e+29}, Case{"1e-400", 0.0},
                        Case{"-0.00000e-500", -0.0}, Case{"2e-324", 0.0}, Case{"0e300", 0.0},
                        Case{"4.9406564584124654e-324", 4.9406564584124654e-324},
                        Case{"9007199254740993", 9007199254740992.0}, Case{"-0", 0.0}}) {
    ORIN_Control_Properties record;
    fromSimpleJson(std::string("{\"fric\":[") + c.number + "]}", record);
    ASSERT_TRUE(record.fric.has_value()) << c.number;
    EXPECT_EQ(*record.fric, c.value) << c.number;
    EXPECT_EQ(std::signbit(*record.fric), std::signbit(c.value)) << c.number;
  }
  for (char const* huge : {"1.7976931348623159e308", "1e309", "-1e400", "100e307"}) {
    ORIN_Control_Properties record;
    try {
      fromSimpleJson(std::string("{\"fric\":[") + huge + "]}", record);
      ADD_FAILURE() << huge << " was accepted";
    } catch (CoreException const& error) {
      EXPECT_EQ(std::string(error.what())
                    .rfind("JSON parser error: Number too big to be stored in double. at offset ", 0),
                0u)
          << error.what();
    }
  }
}

}  // namespace
