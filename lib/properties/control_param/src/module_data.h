#pragma once
// The five module data objects.

#include "lib/properties/control_param/schema/records.h"
#include "lib/properties/control_param/src/internal_data.h"

namespace trv::control_param::data {

class OrinData final : public ModuleData<ORIN_Control_Properties> {
 public:
  using ModuleData::ModuleData;
};

class PeluData final : public ModuleData<PELU_Control_Properties> {
 public:
  using ModuleData::ModuleData;
};

class NevoData final : public ModuleData<NEVO_Control_Properties> {
 public:
  using ModuleData::ModuleData;
};

class ZutherData final : public ModuleData<Zuther_Control_Properties> {
 public:
  using ModuleData::ModuleData;
};

// Construction-stage options also know how to upgrade records stored before `version_id` 1.
class BraxData final : public ModuleData<BRAX_Control_Properties> {
 public:
  using ModuleData::ModuleData;

  void test4upgrade(logging::UILogEntryCollectorSink& sink) override;
  void upgrade() override;
};

// The module data object of `type`, made in one allocation with its control block; empty outside 0..11.
std::shared_ptr<InternalInterface> createModule(ProgrammTypes type, int databaseHandle);

}  // namespace trv::control_param::data
