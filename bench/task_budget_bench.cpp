// The budgets of one task and of opening a project: stored text both ways, KELMAR lines, a gated property's
// value, constructing a Data with German labels and its heap, and 1 000 tasks of mixed program types.
//
// Labels are translated into German (the host's label locale "de_DE.UTF-8"); the model database of every
// task holds every element kind, so every variant keeps all the properties it can show.
#include <QCoreApplication>
#include <QString>
#include <QUndoStack>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <boost/any.hpp>

#include "bench/full_records.h"
#include "bench/heap_counter.h"
#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/label_language.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/RecordKey.h"
#include "lib/properties/control_param/src/module_data.h"
#include "lib/properties/control_param/src/program_records.h"
#include "lib/properties/control_param/src/stored_form.h"

namespace {

using namespace trv::control_param;
using trv::bench::fullRecord;

constexpr int kDatabase = 1;  // a model with quads, bricks, beams, cables and springs
constexpr int kProjectTasks = 1000;

ProgrammTypes programType(benchmark::State const& state) {
  return static_cast<ProgrammTypes>(state.range(0));
}

void nameProgramTypes(benchmark::internal::Benchmark* b) {
  b->ArgName("type");
  for (int type = 0; type < kProgrammTypeCount; ++type) b->Arg(type);
}

// The stored text of the fully set record of `type`.
QString fullStoredText(ProgrammTypes type) {
  QString text;
  visitRecordType(type,
                  [&](auto tag) { text = data::encodeRecord(fullRecord<typename decltype(tag)::type>()); });
  return text;
}

// --- stored text of a fully set ORIN record ---------------------------------------------------------------

void OrinFullGetXMLData(benchmark::State& state) {
  Data task(ORIN_A, kDatabase);
  QString const text = fullStoredText(ORIN_A);
  task.insertXMLData(text);
  if (task.getXMLData() != text) state.SkipWithError("the record does not read back");
  for (auto _ : state) {
    QString stored = task.getXMLData();
    benchmark::DoNotOptimize(stored);
  }
}
BENCHMARK(OrinFullGetXMLData);

void OrinFullInsertXMLData(benchmark::State& state) {
  Data task(ORIN_A, kDatabase);
  QString const text = fullStoredText(ORIN_A);
  for (auto _ : state) task.insertXMLData(text);
  if (task.getXMLData() != text) state.SkipWithError("the record does not read back");
}
BENCHMARK(OrinFullInsertXMLData);

// --- KELMAR lines of a fully set record, by program type and language -------------------------------------

void GetKELMAR(benchmark::State& state) {
  Data task(programType(state), kDatabase);
  task.insertXMLData(fullStoredText(programType(state)));
  int const language = static_cast<int>(state.range(1));
  for (auto _ : state) {
    std::vector<QString> lines = task.getKELMAR(language);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(GetKELMAR)
    ->ArgNames({"type", "language"})
    ->ArgsProduct({benchmark::CreateDenseRange(0, 11, 1), {0, 1}});

// --- value of a gated property
// ------------------------------------------------------------------------------

struct GatedCase {
  ProgrammTypes type;
  char const* id;
  bool open;  // whether the gate lets the value through
};
std::array<GatedCase, 4> const kGatedCases{{
    {ORIN_A, "moments", true},
    {ORIN_A, "moments", false},
    {PELU_A, "non_lin_strain", true},
    {PELU_A, "non_lin_strain", false},
}};

void GatedGetValue(benchmark::State& state) {
  GatedCase const& gated = kGatedCases[state.range(0)];
  auto const module = data::createModule(gated.type, kDatabase);
  visitRecordType(gated.type, [&](auto tag) {
    using Record = typename decltype(tag)::type;
    auto& typed = static_cast<data::ModuleData<Record>&>(*module);
    // The fully set records switch the gates' options away from their defaults, which opens both gates.
    typed.changeRecord([&](Record& record) { record = gated.open ? fullRecord<Record>() : Record{}; });
  });
  std::shared_ptr<trv::properties::Property> property;
  for (auto const& p : module->configuration->properties->list())
    if (p->id == gated.id) property = p;
  if (!property) return state.SkipWithError("no such property");
  boost::any value;
  if (property->getValue(data::RecordKey, value) != gated.open)
    state.SkipWithError("gate in the wrong state");
  for (auto _ : state) {
    bool const found = property->getValue(data::RecordKey, value);
    benchmark::DoNotOptimize(found);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(GatedGetValue)->ArgName("case")->DenseRange(0, static_cast<int>(kGatedCases.size()) - 1);

// --- an inspector edit
// ------------------------------------------------------------------------------------------

// A real-valued option set through its property as the inspector sets it, without a widget: each edit is a
// commit and a step of the task's history (which keeps at most 100, so the oldest goes with each new one).
void InspectorEdit(benchmark::State& state) {
  auto const module = data::createModule(ORIN_C, kDatabase);  // ORIN_C shows "fric"
  std::shared_ptr<trv::properties::Property> property;
  for (auto const& p : module->configuration->properties->list())
    if (p->id == "fric") property = p;
  if (!property) return state.SkipWithError("no such property");
  boost::any const values[2] = {1.5, 2.5};  // the inspector's values, made before
  int edits = 0;
  for (auto _ : state) {
    bool const set = property->setValue(data::RecordKey, values[++edits % 2]);
    benchmark::DoNotOptimize(set);
  }
  if (module->undoStack().count() != std::min(edits, static_cast<int>(data::InternalInterface::kUndoLimit)))
    state.SkipWithError("not one step per edit");
}
BENCHMARK(InspectorEdit);

// --- constructing a Data, and the heap it holds
// -------------------------------------------------------------

// Heap held by a Data of each program type while it lives, and the blocks allocated to make it (the
// process-wide shares made by an earlier Data of the type); measured before the timings, while the heap is
// counted.
std::array<trv::bench::HeapSnapshot, kProgrammTypeCount> heldByTask;

void measureHeapPerTask() {
  for (int type = 0; type < kProgrammTypeCount; ++type) {
    { Data warm(ProgrammTypes(type), kDatabase); }
    auto const before = trv::bench::heapSnapshot();
    Data task(ProgrammTypes(type), kDatabase);
    heldByTask[type] = trv::bench::heapHeld(before, trv::bench::heapSnapshot());
  }
}

// Construction only: each Data is destroyed outside the timed part.
void ConstructData(benchmark::State& state) {
  { Data warm(programType(state), kDatabase); }
  for (auto _ : state) {
    Data task(programType(state), kDatabase);
    state.PauseTiming();
    { Data const destroyed = std::move(task); }
    state.ResumeTiming();
  }
  auto const& held = heldByTask[programType(state)];
  state.counters["heap_bytes"] = static_cast<double>(held.liveBytes);
  state.counters["heap_allocations"] = static_cast<double>(held.allocations);
}
BENCHMARK(ConstructData)->Apply(nameProgramTypes);

// --- opening a project
// --------------------------------------------------------------------------------------

// 1 000 tasks, program types in turn; each constructed, given its stored text and asked for its KELMAR lines.
void OpenProject(benchmark::State& state) {
  std::vector<QString> texts;
  for (int type = 0; type < kProgrammTypeCount; ++type) texts.push_back(fullStoredText(ProgrammTypes(type)));
  std::vector<Data> tasks;
  tasks.reserve(kProjectTasks);
  std::size_t lines = 0;
  for (auto _ : state) {
    for (int i = 0; i < kProjectTasks; ++i) {
      auto const type = static_cast<ProgrammTypes>(i % kProgrammTypeCount);
      tasks.emplace_back(type, kDatabase);
      tasks.back().insertXMLData(texts[type]);
      lines += tasks.back().getKELMAR(1).size();
    }
    state.PauseTiming();
    tasks.clear();
    state.ResumeTiming();
  }
  benchmark::DoNotOptimize(lines);
  state.counters["tasks"] = kProjectTasks;
}
BENCHMARK(OpenProject)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  trv::properties::chooseLabelLanguage("de_DE.UTF-8");
  trv::dbo::standin::setModel(kDatabase, {true, true, true, true, true});
  // The German catalogue must be found, or the construction figures would not include it.
  bool german = false;
  auto const probe = data::createModule(PELU_A, kDatabase);
  for (auto const& p : probe->configuration->properties->list()) german |= p->displayName == "Biegeart";
  if (!german) {
    std::fprintf(stderr, "The German catalogue was not found; build the catalogues first.\n");
    return 1;
  }
  measureHeapPerTask();
  trv::bench::stopCountingHeap();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
