// Random records of every module: the Compact Binary bytes and the stored text read back to the same record,
// only fields away from their default are written, and a Simple JSON line of the record reads to it too.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/compact_binary.h"
#include "serialization/simple_json.h"
#include "tests/unit/stored_form_test_support.h"

namespace {

using namespace trv::control_param;
using namespace trv::stored_form_test;

double randomDouble(std::mt19937& random, bool finiteOnly) {
  static double const special[] = {0.0,
                                   -0.0,
                                   1e300,
                                   -1e-310,
                                   2.5,
                                   std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::denorm_min(),
                                   std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN()};
  int const pick = static_cast<int>(random() % 12);
  if (pick < 9 && (!finiteOnly || pick < 7)) return special[pick];
  return std::uniform_real_distribution<double>(-1e6, 1e6)(random);
}

std::int32_t randomInt(std::mt19937& random) {
  switch (random() % 4) {
    case 0:
      return std::numeric_limits<std::int32_t>::min();
    case 1:
      return std::numeric_limits<std::int32_t>::max();
    default:
      return static_cast<std::int32_t>(random());
  }
}

// Each field at its default, at an enumerator / small value, or anywhere in its range.
template <typename Record>
Record randomRecord(std::mt19937& random, bool finiteOnly) {
  Record record{};
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    using T = typename Field::value_type;
    auto& value = Field::member(record);
    if (random() % 3 == 0) return;  // keeps its default
    if constexpr (reflection::is_nullable_v<T>) {
      if (random() % 4 == 0)
        value.reset();
      else if constexpr (std::is_same_v<typename T::value_type, double>)
        value = randomDouble(random, finiteOnly);
      else
        value = randomInt(random);
    } else if constexpr (std::is_same_v<T, bool>) {
      value = random() % 2 == 0;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
      value = randomInt(random);
    } else {
      auto const& names = reflection::enum_traits<T>::maps.value_to_name;
      if (random() % 2 == 0) {
        auto it = names.begin();
        std::advance(it, static_cast<long>(random() % names.size()));
        value = it->first;
      } else {
        value = static_cast<T>(randomInt(random));
      }
    }
  });
  return record;
}

// How many fields of `record` differ from their defaults (a nullable: holds a value).
template <typename Record>
int fieldsAwayFromDefault(Record const& record) {
  int count = 0;
  reflection::for_each_field<Record>([&](auto field) {
    using Field = decltype(field);
    if constexpr (reflection::is_nullable_v<typename Field::value_type>)
      count += Field::member(record).has_value();
    else
      count += Field::member(record) != Field::default_value;
  });
  return count;
}

// The number of field headers in Compact Binary bytes written by the codec (no nested values).
int fieldHeaders(std::string const& bytes) {
  trv::serialization::compact_binary::InputBuffer input(bytes);
  int count = 0;
  for (auto header = readFieldHeader(input); header.type != 0; header = readFieldHeader(input)) {
    ++count;
    skipValue(input, header.type, 1);
  }
  EXPECT_EQ(input.remaining(), 0u);
  return count;
}

template <typename Record>
class RoundTrip : public testing::Test {};
using Records = testing::Types<ORIN_Control_Properties, PELU_Control_Properties, NEVO_Control_Properties,
                               Zuther_Control_Properties, BRAX_Control_Properties>;
TYPED_TEST_SUITE(RoundTrip, Records);

TYPED_TEST(RoundTrip, RandomRecordsReadBackBitForBit) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 2000; ++i) {
    TypeParam const record = randomRecord<TypeParam>(random, false);
    std::string const bytes = trv::serialization::toCompactBinary(record);
    ASSERT_EQ(fieldHeaders(bytes), fieldsAwayFromDefault(record));
    TypeParam decoded{};
    trv::serialization::fromCompactBinary(bytes, decoded);
    ASSERT_EQ(trv::serialization::toCompactBinary(decoded), bytes);
    TypeParam const stored = data::decodeRecord<TypeParam>(data::encodeRecord(record));
    ASSERT_TRUE(sameBytes(stored, record));
  }
}

TYPED_TEST(RoundTrip, RandomRecordsReadFromTheirJsonLine) {
  std::mt19937 random(77);
  for (int i = 0; i < 1000; ++i) {
    TypeParam const record = randomRecord<TypeParam>(random, true);
    std::string const line = jsonOf(record);
    TypeParam decoded{};
    trv::serialization::fromSimpleJson(line, decoded);
    ASSERT_TRUE(decoded == record) << line;
  }
}

}  // namespace
