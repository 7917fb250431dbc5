// A host built against the installed library alone, as the suite builds: it includes every installed header
// with Qt's keywords on, uses them itself, sets up the label translator with its own configure_xlator, runs
// the README's host example and catches every exception the library documents by its exact type, across the
// shared-library boundary.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QObject>
#include <QUndoStack>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "consumer_all_headers.h"  // every installed header, written when the consumer is configured

namespace {

using namespace trv::control_param;

int failures = 0;

void check(bool condition, std::string const& what) {
  std::printf("%s %s\n", condition ? "ok  " : "FAIL", what.c_str());
  if (!condition) ++failures;
}

template <typename Exception>
void expectThrow(char const* what, std::function<void()> const& call) {
  try {
    call();
  } catch (Exception const& error) {
    return check(true, std::string(what) + ": " + error.what());
  } catch (std::exception const& error) {
    return check(false, std::string(what) + ": wrong exception type (" + error.what() + ")");
  }
  check(false, std::string(what) + ": nothing thrown");
}

// A host's own object with Qt's keywords: it hears of every change of a task's options.
class ChangeCounter : public QObject {
  Q_OBJECT

 public:
  int count = 0;

 signals:
  void counted(int count);

 public slots:
  void changed() { emit counted(++count); }
};

struct ExampleResult {
  QString stored;
  std::vector<QString> solverLines;
  bool changed;
  QString undoText;
};

ExampleResult hostExample(QWidget* parent, QString const& storedText) {
  // README: host example begins
  int const databaseHandle = 1;  // the project database the task belongs to
  // The library asks the suite's model queries (trv::dbo) what the analysis model holds, through the
  // database handle; here the stand-in is told first.
  trv::dbo::standin::setModel(databaseHandle, {/*quads*/ true, /*brics*/ false, /*beams*/ true});
  // The language of labels and choices for the tasks made from now on ("" follows the environment).
  trv::properties::chooseLabelLanguage("de_DE.UTF-8");

  trv::control_param::Data task(trv::control_param::ORIN_B, databaseHandle);
  task.insertXMLData(storedText);        // the text the project file holds
  task.createPropertyInspector(parent);  // a QWidget owned by `parent`; it may outlive `task`

  // Other tasks may be loaded, stored and written on worker threads; widgets stay on the GUI thread.
  std::vector<QString> solverLines;
  std::thread worker([&] {
    trv::control_param::Data other(trv::control_param::ORIN_A, databaseHandle);
    other.insertXMLData(storedText);
    solverLines = other.getKELMAR(1);  // 1: English keywords ("CTRL")
  });
  worker.join();

  // The task's edit history (Qt's undo stack, shared by every widget and copy): menu entries with texts,
  // a history view, "changed since saved".
  QUndoStack* history = task.undoStack();
  QAction* undo = history->createUndoAction(parent);
  task.resetToDefaults({"warp"});  // one step, one change, one round of signals ({} resets every option)
  undo->trigger();                 // or task.undo()
  bool const changed = !history->isClean();
  QString const stored = task.getXMLData();  // for the project file
  // README: host example ends
  return {stored, solverLines, changed, undo->text()};
}

}  // namespace

// The host's translator set-up: the library's catalogues where they are installed, and choice texts of the
// host's own override file.
namespace trv::properties::detail {
void configure_xlator(translation::Xlator& xlator, std::string const& qualifiedName) {
  auto& impl = xlator.impl();
  impl.recordDomains[qualifiedName] = qualifiedName;
  impl.recordDomains["trv.control_param.ORIN_WARP"] = qualifiedName;
  impl.generator.add_messages_path(TRV_INSTALLED_DATA_DIR "/locale");
  impl.generator.add_messages_domain(qualifiedName);
  impl.paths.push_back(CONSUMER_OVERRIDE_DIR);
  impl.domains.push_back("consumer_labels");
  impl.localeName = trv::properties::labelLanguage();
  impl.dirty = true;
}
}  // namespace trv::properties::detail

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  for (int type = 0; type < kProgrammTypeCount; ++type) {
    Data task(static_cast<ProgrammTypes>(type), 1);
    check(task.getXMLData() == "AA==\n", kProgrammTypeNames[type]);
    if (type == BRAX_A) check(task.getKELMAR(1).size() == 11, "BRAX writes eleven KELMAR lines by default");
  }

  QWidget window;
  QString const text = QStringLiteral("MAIA\n");  // warping torsion active
  auto const [stored, solverLines, changed, undoText] = hostExample(&window, text);
  check(stored == text && !changed, "the example's reset undone: the text as loaded, unchanged");
  check(undoText == "Undo", "nothing left to undo");
  check(solverLines.size() == 1 && solverLines[0] == "CTRL OPT WARP VAL 1", "the worker's solver lines");
  auto* inspector = window.findChild<trv::properties::QtInspectorWidget*>();
  auto* warp = inspector ? qobject_cast<QComboBox*>(inspector->editor("warp")) : nullptr;
  check(warp && warp->itemText(1) == QString::fromUtf8("Wölbkraft an (Gastgeber)"),
        "the host's configure_xlator: German catalogue and the host's override text");

  // An edit in an inspector reaches a host's slot, which emits a signal of its own.
  Data edited(ORIN_B, 1);
  auto* grid = edited.createPropertyInspector(&window);
  ChangeCounter counter;
  int heard = 0;
  QObject::connect(&counter, &ChangeCounter::counted, [&](int count) { heard = count; });
  boost::signals2::scoped_connection const connection =
      grid->modelSignals()->modifiedDone.connect([&](auto const&) { counter.changed(); });
  emit qobject_cast<QComboBox*>(grid->editor("warp"))->activated(1);  // as when the user chooses "Aktiv"
  check(heard == 1 && edited.getXMLData() == text, "an edit in the inspector heard by a host's slot");
  Data orin(ORIN_A, 1);
  expectThrow<std::runtime_error>("setBRAX_NMAT on ORIN", [&] { orin.setBRAX_NMAT(BRAX_NMAT::Active); });
  expectThrow<std::invalid_argument>("keyword language 2", [&] { orin.getKELMAR(2); });
  expectThrow<trv::serialization::StreamException>("truncated record", [&] { orin.insertXMLData("MA==\n"); });
  expectThrow<trv::serialization::CoreException>("JSON syntax error",
                                                 [&] { orin.insertXMLData("{\"warp\":\n"); });
  Data empty(static_cast<ProgrammTypes>(12), 1);
  expectThrow<std::logic_error>("empty task", [&] { empty.getXMLData(); });
  check(orin.getXMLData() == "AA==\n", "record unchanged after failures");
  std::printf(failures ? "consumer: %d checks failed\n" : "consumer: all checks held\n", failures);
  return failures ? 1 : 0;
}

#include "main.moc"
