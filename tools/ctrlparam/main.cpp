// ctrlparam: the command-line host of the control-parameter library.

#include <QApplication>
#include <QCommandLineParser>
#include <cstdlib>
#include <exception>
#include <functional>
#include <iostream>
#include <limits>
#include <map>

#include "host/trv_assert/SmartAssert.h"
#include "host/trv_qt/trv_qt.h"
#include "tools/ctrlparam/commands.h"

namespace {

using namespace ctrlparam;

// The tool's own window texts.
TRV_QT_InitTranslator const toolTexts{"ctrlparam"};
using trv::control_param::ProgrammTypes;

struct Command {
  int (*run)(Context const&);  // the exit status
  bool gui;                    // needs a QApplication with a platform
  int arguments;               // how many positional arguments it takes at most
};

std::map<QString, Command> const& commandTable() {
  static std::map<QString, Command> const table{
      {QStringLiteral("programs"), {programs, false, 0}},
      {QStringLiteral("show"), {show, false, 0}},
      {QStringLiteral("json"), {json, false, 0}},
      {QStringLiteral("store"), {store, false, 0}},
      {QStringLiteral("kelmar"), {kelmar, false, 0}},
      {QStringLiteral("properties"), {properties, true, 0}},
      {QStringLiteral("diff"), {diff, false, 2}},
      {QStringLiteral("reset"), {reset, false, std::numeric_limits<int>::max()}},
      {QStringLiteral("upgrade"), {upgrade, false, 0}},
      {QStringLiteral("calc-method"), {calcMethod, false, 1}},
      {QStringLiteral("inspector"), {inspector, true, 0}},
  };
  return table;
}

char const* const kDescription = R"help(The command-line host of the control-parameter library.

Commands:
  programs                          the twelve program types: value<TAB>name<TAB>module
  show -p P [-i] [-s] [--changed]   the option record, one field a line: name<TAB>value; with --changed
                                    only the options away from their defaults
  json -p P [-i] [-s]               the record as one line of Simple JSON (readable by --options)
  store -p P [-i] [-s]              the stored text (one Base64 line)
  kelmar -p P [-m] [-i] [-s] [-l]   the KELMAR control records
  properties -p P [-m] [-i] [-s] [--locale]
                                    the inspector's properties: id<TAB>group<TAB>label<TAB>value<TAB>changed
                                    (value "(off)" when another option switches it off; changed "*" when
                                    the value differs from the default)
  reset -p P [-i] [FIELD...]        the stored text with the named options (all when none is named) back at
                                    their defaults
  diff -p P A B                     the fields that differ between two stored texts (each as --options takes
                                    it): name<TAB>value in A<TAB>value in B
  upgrade -p P [-i]                 what the upgrade check reports, then the stored text after the upgrade
  calc-method [FILE|-]              the calculation method of an older XML task form, or -1
  inspector -p P [-m] [-i] [-s] [--locale] [--screenshot FILE.png]
                                    the inspector widget in a window, or rendered into a PNG

Exit status: 0 done, 1 the library or the input failed, 2 wrong usage.
diff, as diff(1): 0 the texts are equal, 1 they differ, 2 trouble (a text that does not load, wrong usage).)help";

ProgrammTypes parseProgram(QString const& text) {
  bool isNumber = false;
  int const value = text.toInt(&isNumber);
  if (isNumber) {
    if (value < 0 || value >= trv::control_param::kProgrammTypeCount)
      throw Failure("program type out of range: " + text.toStdString());
    return static_cast<ProgrammTypes>(value);
  }
  for (int i = 0; i < trv::control_param::kProgrammTypeCount; ++i)
    if (text.compare(QLatin1String(trv::control_param::kProgrammTypeNames[i]), Qt::CaseInsensitive) == 0)
      return static_cast<ProgrammTypes>(i);
  throw Failure("unknown program type: " + text.toStdString());
}

struct Options {
  QCommandLineOption program{{"p", "program"}, "Program type: 0..11 or its name.", "P"};
  QCommandLineOption model{
      {"m", "model"},
      "What the analysis model holds: a comma list of quads, brics, beams, cables, springs; "
      "or all, or none (default).",
      "KINDS"};
  QCommandLineOption options{
      {"i", "options"}, "Stored options text to load first; - for standard input, @FILE.", "TEXT"};
  QCommandLineOption set{
      {"s", "set"}, "Change one option as the inspector does (repeatable).", "FIELD=VALUE"};
  QCommandLineOption lang{{"l", "lang"}, "Keyword language of KELMAR: de/0 or en/1 (default de).", "L"};
  QCommandLineOption locale{"locale", "Language of labels, for example de_DE.UTF-8.", "NAME"};
  QCommandLineOption screenshot{"screenshot", "Render the inspector into this PNG and exit.", "FILE.png"};
  QCommandLineOption changed{"changed", "show: only the options whose value differs from the default."};
};

Context parseArguments(QStringList const& arguments, int argc, char** argv) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(kDescription));
  parser.addHelpOption();
  Options o;
  parser.addOptions({o.program, o.model, o.options, o.set, o.lang, o.locale, o.screenshot, o.changed});
  parser.addPositionalArgument("command", "The command to run (see above).");
  if (!parser.parse(arguments)) throw UsageError(parser.errorText().toStdString());
  if (parser.isSet(QStringLiteral("help"))) {
    QCoreApplication application(argc, argv);
    std::cout << parser.helpText().toStdString();
    std::exit(0);
  }
  QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) throw UsageError("no command given (see --help)");
  Context context;
  context.command = positional.takeFirst();
  context.arguments = positional;
  if (parser.isSet(o.program)) context.program = parseProgram(parser.value(o.program));
  if (parser.isSet(o.model)) context.model = parser.value(o.model);
  if (parser.isSet(o.options)) context.options = parser.value(o.options);
  context.settings = parser.values(o.set);
  if (parser.isSet(o.lang)) context.language = parser.value(o.lang);
  if (parser.isSet(o.locale)) context.locale = parser.value(o.locale);
  if (parser.isSet(o.screenshot)) context.screenshot = parser.value(o.screenshot);
  context.changed = parser.isSet(o.changed);
  return context;
}

void quietPlatform(QtMsgType type, QMessageLogContext const&, QString const& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

int fail(int status, char const* message) {
  std::cerr << "ctrlparam: " << message << '\n';
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // What the library reports to the host (a catalogue that cannot be read, an empty stored text) does not
  // stop a command: it is a warning.
  trv::smartassert::setReportPrinter([](trv::smartassert::Report const& report) {
    std::cerr << "ctrlparam: warning: " << report.condition << " (" << report.file << ':' << report.line
              << ')' << (report.message.empty() ? "" : ": ") << report.message << '\n';
  });
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  try {
    Context const context = parseArguments(arguments, argc, argv);
    auto const command = commandTable().find(context.command);
    if (command == commandTable().end())
      throw UsageError("unknown command '" + context.command.toStdString() + "'");
    if (context.arguments.size() > command->second.arguments)
      throw UsageError("the command '" + context.command.toStdString() + "' takes no argument '" +
                       context.arguments.at(command->second.arguments).toStdString() + "'");
    // Properties come from an inspector widget, so --set needs widgets too; only a shown window needs a
    // display.
    bool const widgets = command->second.gui || !context.settings.isEmpty();
    bool const window = command->second.run == inspector && !context.screenshot;
    if (widgets && !window) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (window && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
      setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Off-screen, the platform's notes (run-time folder, size hints) are no output of this tool.
    if (widgets && !window) qInstallMessageHandler(quietPlatform);
    std::unique_ptr<QCoreApplication> application;
    if (widgets)
      application = std::make_unique<QApplication>(argc, argv);
    else
      application = std::make_unique<QCoreApplication>(argc, argv);
    return command->second.run(context);
  } catch (UsageError const& error) {
    return fail(2, error.what());
  } catch (std::exception const& error) {
    return fail(1, error.what());
  }
}
