// insertXMLData of every record type on arbitrary stored texts. The first byte picks the record (modulo 5)
// and, above that, whether the rest is read as UTF-8 or as Latin-1; the rest is the stored text.
// After each input the record is either the one the text decodes to (and one modification was announced)
// or, when the call failed with a codec error, unchanged and nothing was announced; and reading the text with
// an observer listening gives the same record, or fails the same.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "lib/properties/control_param/src/module_data.h"
#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"
#include "serialization/compact_binary.h"
#include "serialization/errors.h"
#include "serialization/stored_text.h"

namespace {

using namespace trv::control_param;

using fuzz::require;

// One task per record type, with a count of every signal its model and inspector emit.
struct Task {
  explicit Task(ProgrammTypes type) : module(data::createModule(type, 0)) {
    auto count = [this](auto const&) { ++signals; };
    auto& s = *module->configuration->signals;
    connections.emplace_back(s.inserted.connect(count));
    connections.emplace_back(s.insertedDone.connect(count));
    connections.emplace_back(s.modified.connect(count));
    connections.emplace_back(s.modifiedDone.connect(count));
    connections.emplace_back(s.aboutToErase.connect(count));
    connections.emplace_back(s.erased.connect(count));
    connections.emplace_back(s.erasedAll.connect(count));
    connections.emplace_back(s.aboutToEraseAll.connect(count));
    connections.emplace_back(module->model->inserted.connect(count));
    connections.emplace_back(module->model->modified.connect(count));
    connections.emplace_back(module->model->erased.connect(count));
    connections.emplace_back(module->model->aboutToErase.connect(count));
  }
  std::shared_ptr<data::InternalInterface> module;
  int signals = 0;
  std::vector<boost::signals2::scoped_connection> connections;
};

// The task of each module, of its first program type, in table order.
Task& taskOf(int index) {
  static std::vector<std::unique_ptr<Task>> tasks = [] {
    std::vector<std::unique_ptr<Task>> made;
    forEachModule([&](auto row) { made.push_back(std::make_unique<Task>(decltype(row)::types[0])); });
    return made;
  }();
  return *tasks[static_cast<std::size_t>(index)];
}

template <typename Record>
std::string bytesOf(Record const& record) {
  return trv::serialization::toCompactBinary(record);
}

// The Base64 lines read as QString::split and QByteArray::fromBase64 read them.
void checkBase64Lines(QString const& text) {
  QStringList const lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  int index = 0;
  trv::serialization::forEachBase64Line(text, [&](std::string_view bytes) {
    require(index < lines.size(), "more Base64 lines than QString::split finds");
    QByteArray const expected = QByteArray::fromBase64(lines[index++].toLatin1());
    require(bytes == std::string_view(expected.constData(), static_cast<std::size_t>(expected.size())),
            "Base64 line differs from QByteArray::fromBase64");
  });
  require(index == lines.size(), "fewer Base64 lines than QString::split finds");
}

// An observer that hears everything and keeps nothing: the reading must take the same decisions with it.
struct Listener final : trv::serialization::ReadObserver {
  void field(trv::serialization::Observation const&) override {}
};

template <typename Record>
bool observedReadFails(QString const& text) {
  Listener listener;
  try {
    data::decodeRecord<Record>(text, listener);
  } catch (trv::serialization::StreamException const&) {
    return true;
  } catch (trv::serialization::CoreException const&) {
    return true;
  }
  return false;
}

template <typename Record>
void check(Task& task, QString const& text) {
  auto& module = static_cast<data::ModuleData<Record>&>(*task.module);
  std::string const before = bytesOf(module.record());
  task.signals = 0;
  bool failed = false;
  try {
    module.insertXMLData(text);
  } catch (trv::serialization::StreamException const&) {
    failed = true;
  } catch (trv::serialization::CoreException const&) {
    failed = true;
  }
  if (failed) {
    require(bytesOf(module.record()) == before, "a failed insert changed the record");
    require(observedReadFails<Record>(text), "a text refused without an observer is read with one");
    require(task.signals == 0, "a failed insert emitted a signal");
  } else {
    require(bytesOf(module.record()) == bytesOf(data::decodeRecord<Record>(text)),
            "record is not the decoded one");
    Listener listener;
    require(bytesOf(data::decodeRecord<Record>(text, listener)) == bytesOf(module.record()),
            "the record read with an observer differs from the one read without");
    require(task.signals == 3, "an insert did not announce exactly one modification");
    Record const again = data::decodeRecord<Record>(module.getXMLData());
    require(bytesOf(again) == bytesOf(module.record()), "the stored text does not read back");
  }
  if (!text.startsWith(QLatin1Char('{'))) checkBase64Lines(text);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  if (size == 0) return 0;
  char const* rest = reinterpret_cast<char const*>(data + 1);
  int const length = static_cast<int>(size - 1);
  QString const text =
      (data[0] / 5) % 2 == 0 ? QString::fromUtf8(rest, length) : QString::fromLatin1(rest, length);
  int const index = data[0] % 5;
  Task& task = taskOf(index);
  int row = 0;
  forEachModule([&](auto module) {
    if (row++ == index) check<typename decltype(module)::RecordType>(task, text);
  });
  return 0;
}
