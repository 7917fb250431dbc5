// Tasks on several threads: different Data objects made, loaded, edited and undone, stored and asked for
// KELMAR at once (with German labels, so the shared locales, catalogue texts and settings trees are used from
// every thread) give what one thread gives.
#include <array>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <QThread>
#include <QUndoStack>

#include "host/trv_dbo/dbo.h"
#include "host/trv_properties_qt/label_language.h"
#include "lib/properties/control_param/src/Data.h"
#include "lib/properties/control_param/src/program_records.h"

namespace trv::control_param {
namespace {

constexpr int kHandle = 4242;
constexpr int kTasks = 300;

// The options a task is loaded with, by module, and the results of task `i`.
std::string results(int i) {
  static std::map<std::string, char const*> const options = {
      {"ORIN",
       R"({"warp":1,"spri":2147483647,"fric":[2.5],"cabl":[1234567],"t_custom":true,"moments":true})"},
      {"PELU", R"({"axia":2,"inte":"PrandtlFlow","usep":[0.85],"non_lin_strain":false})"},
      {"NEVO", R"({"gen":[0.1],"genm":[2.5],"afix":[7],"styp":[2],"gdiv":[12],"plc":[3]})"},
      {"Zuther", R"({"lay":"LayerDesign","tens":[2.5],"pfai":"Mechanical","fach":"Consideration"})"},
      {"BRAX", R"({"dl":1,"beam":"Pelu","cant":0,"cast":true,"prob":2,"nmat":"Active"})"}};
  auto const type = static_cast<ProgrammTypes>(i % kProgrammTypeCount);
  std::string module;
  visitRecordType(type, [&](auto tag) { module = moduleName<typename decltype(tag)::type>(); });
  Data data(type, kHandle);
  data.insertXMLData(QString::fromUtf8(options.at(module)) + (i % 2 ? "" : "\n"));
  data.resetToDefaults();  // a step of the task's history, undone on the thread that made the task
  data.undo();
  std::string text = data.getXMLData().toStdString();
  if (data.undoStack()->thread() != QThread::currentThread()) text += "a history of another thread\n";
  for (int language : {0, 1})
    for (QString const& line : data.getKELMAR(language)) text += line.toStdString() + '\n';
  return text;
}

TEST(Threads, TasksOnFourThreadsGiveWhatOneThreadGives) {
  dbo::standin::setModel(kHandle, {true, true, true, true, true});
  properties::chooseLabelLanguage("de_DE.UTF-8");
  std::vector<std::string> expected;
  for (int i = 0; i < kTasks; ++i) expected.push_back(results(i));
  std::array<std::vector<std::string>, 4> got;
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < got.size(); ++t)
    threads.emplace_back([&got, t] {
      for (int i = 0; i < kTasks; ++i) got[t].push_back(results(i));
    });
  for (auto& thread : threads) thread.join();
  for (auto const& one : got) EXPECT_EQ(one, expected);
  properties::chooseLabelLanguage("");
}

}  // namespace
}  // namespace trv::control_param
