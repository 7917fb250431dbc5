// The stored text of a fully set ORIN record both ways, through the facade and through protobuf with Qt's
// Base64 (the text a project file would hold), in one run; and the stored-form decode alone (Base64 line to
// record, no transaction) against protobuf's fromBase64 and parse of its own text.
//
// The facade is the shared library a host links; the decode alone is the library's stored-form template,
// compiled here.
#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/full_records.h"
#include "bench/orin_options.pb.h"
#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/stored_form.h"

namespace {

using namespace trv::control_param;

constexpr int kDatabase = 1;

ORIN_Control_Properties const& fullOrin() {
  static ORIN_Control_Properties const record = trv::bench::fullRecord<ORIN_Control_Properties>();
  return record;
}

// The same values in the protobuf message.
trv::bench::OrinOptions fullMessage() {
  ORIN_Control_Properties const& record = fullOrin();
  trv::bench::OrinOptions message;
  message.set_warp(static_cast<std::int32_t>(record.warp));
  message.set_spri(static_cast<std::int32_t>(record.spri));
  message.set_solv(static_cast<std::int32_t>(record.solv));
  message.set_iter(static_cast<std::int32_t>(record.iter));
  message.set_fric(*record.fric);
  message.set_bric(*record.bric);
  message.set_cabl(*record.cabl);
  message.set_t_custom(record.t_custom);
  message.set_moments(record.moments);
  message.set_shearforces(record.shearforces);
  message.set_axialforces(record.axialforces);
  message.set_torsional(record.torsional);
  message.set_spri_direction(record.spri_direction);
  return message;
}

// The usual calls: the message's bytes as a string, their Base64 as the text.
QString protobufStore(trv::bench::OrinOptions const& message) {
  std::string const bytes = message.SerializeAsString();
  return QString::fromLatin1(
      QByteArray::fromRawData(bytes.data(), static_cast<int>(bytes.size())).toBase64());
}

bool protobufLoad(QString const& text, trv::bench::OrinOptions& message) {
  QByteArray const bytes = QByteArray::fromBase64(text.toLatin1());
  return message.ParseFromArray(bytes.constData(), bytes.size());
}

// --- store
// --------------------------------------------------------------------------------------------------

void FacadeStore(benchmark::State& state) {
  Data task(ORIN_A, kDatabase);
  QString const text = data::encodeRecord(fullOrin());
  task.insertXMLData(text);
  if (task.getXMLData() != text) state.SkipWithError("the record does not read back");
  for (auto _ : state) {
    QString stored = task.getXMLData();
    benchmark::DoNotOptimize(stored);
  }
}
BENCHMARK(FacadeStore);

void ProtobufStore(benchmark::State& state) {
  trv::bench::OrinOptions const message = fullMessage();
  for (auto _ : state) {
    QString stored = protobufStore(message);
    benchmark::DoNotOptimize(stored);
  }
}
BENCHMARK(ProtobufStore);

// --- load
// ---------------------------------------------------------------------------------------------------

void FacadeLoad(benchmark::State& state) {
  Data task(ORIN_A, kDatabase);
  QString const text = data::encodeRecord(fullOrin());
  for (auto _ : state) task.insertXMLData(text);
  if (task.getXMLData() != text) state.SkipWithError("the record does not read back");
}
BENCHMARK(FacadeLoad);

// Also the protobuf side of the decode alone.
void ProtobufLoad(benchmark::State& state) {
  trv::bench::OrinOptions const expected = fullMessage();
  QString const text = protobufStore(expected);
  trv::bench::OrinOptions message;
  for (auto _ : state) {
    bool const parsed = protobufLoad(text, message);
    benchmark::DoNotOptimize(parsed);
  }
  if (message.SerializeAsString() != expected.SerializeAsString())
    state.SkipWithError("the message does not read back");
}
BENCHMARK(ProtobufLoad);

// --- the stored-form decode alone
// ---------------------------------------------------------------------------

void StoredFormDecode(benchmark::State& state) {
  QString const text = data::encodeRecord(fullOrin());
  for (auto _ : state) {
    ORIN_Control_Properties record = data::decodeRecord<ORIN_Control_Properties>(text);
    benchmark::DoNotOptimize(record);
  }
  if (data::decodeRecord<ORIN_Control_Properties>(text) != fullOrin())
    state.SkipWithError("the record does not read back");
}
BENCHMARK(StoredFormDecode);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
