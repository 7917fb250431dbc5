// The stored text of an option record both ways: record to Base64 line (getXMLData's work) and Base64 line
// to record (insertXMLData's decoding), for an ORIN record with every field set and a default BRAX record.

#include <benchmark/benchmark.h>

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/compact_binary.h"
#include "serialization/stored_text.h"

namespace {

using namespace trv::control_param;
using data::decodeRecord;
using data::encodeRecord;

// Every field away from its default: 57 bytes of Compact Binary.
ORIN_Control_Properties fullOrinRecord() {
  ORIN_Control_Properties record;
  record.warp = ORIN_WARP::Active;
  record.spri = ORIN_SPRI::EccentricityInAnyCase;
  record.solv = ORIN_SOLV::ParallelSparseSolver;
  record.iter = ORIN_ITER::Linesearch;
  record.fric = 2.5;
  record.bric = -7;
  record.cabl = 1e300;
  record.t_custom = true;
  record.moments = true;
  record.shearforces = true;
  record.axialforces = true;
  record.torsional = true;
  record.spri_direction = false;
  return record;
}

template <typename Record>
void encode(benchmark::State& state, Record const& record) {
  for (auto _ : state) {
    QString text = encodeRecord(record);
    benchmark::DoNotOptimize(text);
  }
}

template <typename Record>
void decode(benchmark::State& state, Record const& record) {
  QString const text = encodeRecord(record);
  if (decodeRecord<Record>(text) != record) state.SkipWithError("the record does not read back");
  for (auto _ : state) {
    Record decoded = decodeRecord<Record>(text);
    benchmark::DoNotOptimize(decoded);
  }
}

void OrinFullEncode(benchmark::State& state) {
  auto const record = fullOrinRecord();
  if (trv::serialization::toCompactBinary(record).size() != 57) state.SkipWithError("not 57 bytes");
  encode(state, record);
}
void OrinFullDecode(benchmark::State& state) {
  decode(state, fullOrinRecord());
}
void BraxDefaultEncode(benchmark::State& state) {
  encode(state, BRAX_Control_Properties{});
}
void BraxDefaultDecode(benchmark::State& state) {
  decode(state, BRAX_Control_Properties{});
}

// The parts of decoding: the Base64 line alone, the Compact Binary bytes alone.
void OrinFullBase64Only(benchmark::State& state) {
  QString const text = encodeRecord(fullOrinRecord());
  QStringView const line(text.constData(), text.size() - 1);
  for (auto _ : state) {
    trv::serialization::Base64Line bytes(line);
    benchmark::DoNotOptimize(bytes.bytes().data());
  }
}
void OrinFullBytesOnly(benchmark::State& state) {
  std::string const bytes = trv::serialization::toCompactBinary(fullOrinRecord());
  for (auto _ : state) {
    ORIN_Control_Properties record;
    trv::serialization::fromCompactBinary(bytes, record);
    benchmark::DoNotOptimize(record);
  }
}
BENCHMARK(OrinFullBase64Only);
BENCHMARK(OrinFullBytesOnly);
BENCHMARK(OrinFullEncode);
BENCHMARK(OrinFullDecode);
BENCHMARK(BraxDefaultEncode);
BENCHMARK(BraxDefaultDecode);

}  // namespace

BENCHMARK_MAIN();
