// Upgrade of construction-stage records stored before `version_id` 1: the default of the formwork
// placement changed, so such records get `cant` AddNodesSeparateTangentially.

#include <QCoreApplication>

#include "lib/properties/control_param/src/module_data.h"

namespace trv::control_param::data {
namespace {

constexpr std::int32_t kCurrentVersion = 1;

bool needsUpgrade(BRAX_Control_Properties const& record) {
  return record.version_id < kCurrentVersion;
}

}  // namespace

void BraxData::test4upgrade(logging::UILogEntryCollectorSink& sink) {
  if (!needsUpgrade(record())) return;
  QString message = QCoreApplication::translate(
      "BraxData",
      "The default for Formwork placement has been changed from 'In System Position' to 'Add nodes separate "
      "tangentially'.\n",
      nullptr, -1);
  message += QCoreApplication::translate(
      "BraxData", "Please verify the control options in the construction stage manager task.", nullptr, -1);
  logging::UILogEntry entry;
  entry.kind = 1;
  entry.message = message.toStdString();
  sink.consume(entry);
}

void BraxData::upgrade() {
  if (!needsUpgrade(record())) return;
  startOverWith(false, [](BRAX_Control_Properties& record) {
    record.cant = BRAX_CANT::AddNodesSeparateTangentially;
    record.version_id = kCurrentVersion;
  });
}

}  // namespace trv::control_param::data
