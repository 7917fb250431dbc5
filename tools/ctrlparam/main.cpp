// ctrlparam: the command-line host of the control-parameter library.

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>

#include "host/trv_assert/SmartAssert.h"
#include "host/trv_qt/trv_qt.h"
#include "tools/ctrlparam/arguments.h"
#include "tools/ctrlparam/command_table.h"

namespace {

using namespace ctrlparam;

// The tool's own window texts.
TRV_QT_InitTranslator const toolTexts{"ctrlparam"};

void quietPlatform(QtMsgType type, QMessageLogContext const&, QString const& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// Whether a window can be shown. Off-screen nobody could close it; Qt aborts when the display it is given
// cannot be reached, so a local X display (":0", ":0.0") must have its socket; other names are left to Qt.
bool displayReachable() {
  QByteArray const platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.startsWith("offscreen") || platform.startsWith("minimal")) return false;
  if (!platform.isEmpty() || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
  QString const display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
  if (display.isEmpty()) return false;
  auto const local = QRegularExpression(QStringLiteral("^:(\\d+)(\\.\\d+)?$")).match(display);
  return !local.hasMatch() || QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + local.captured(1));
}

int fail(int status, std::string const& message) {
  std::cerr << "ctrlparam: " << message << '\n';
  return status;
}

// Runs the command with the application it needs.
int run(Request const& request, int argc, char** argv) {
  Context const& context = request.context;
  // Properties come from an inspector widget, so --set needs widgets too; only a shown window needs a
  // display.
  bool const widgets = request.command->gui || !context.settings.isEmpty();
  bool const window = request.command->window && !context.screenshot;
  if (widgets && !window) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (window && !displayReachable()) throw Failure("no display; use --screenshot");
  // Off-screen, the platform's notes (run-time folder, size hints) are no output of this tool.
  if (widgets && !window) qInstallMessageHandler(quietPlatform);
  std::unique_ptr<QCoreApplication> application;
  if (widgets)
    application = std::make_unique<QApplication>(argc, argv);
  else
    application = std::make_unique<QCoreApplication>(argc, argv);
  return request.command->run(context);
}

// The status once standard output is flushed: a full disk or a closed file is a failure; a reader that
// went away (a closed pipe) is not.
int flushed(int status) {
  std::cout.flush();
  bool const failed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
  if (!failed || errno == EPIPE) return status;
  return fail(1, std::string("cannot write the output: ") + std::strerror(errno));
}

}  // namespace

int main(int argc, char** argv) {
  std::signal(SIGPIPE, SIG_IGN);
  // What the library reports to the host (a catalogue that cannot be read) does not stop a command: it is a
  // warning.
  trv::smartassert::setReportPrinter([](trv::smartassert::Report const& report) {
    std::cerr << "ctrlparam: warning: " << report.condition << " (" << report.file << ':' << report.line
              << ')' << (report.message.empty() ? "" : ": ") << report.message << '\n';
  });
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  // diff and upgrade --check follow diff(1): any trouble is 2.
  int troubleStatus = 1;
  try {
    Request const request = readArguments(arguments);
    if (request.done) return flushed(0);
    troubleStatus = request.command->troubleStatus(request.context);
    return flushed(run(request, argc, argv));
  } catch (UsageError const& error) {
    flushed(0);
    return fail(2, std::string(error.what()) + " (try 'ctrlparam --help')");
  } catch (std::exception const& error) {
    flushed(0);
    return fail(troubleStatus, error.what());
  }
}
