// ctrlparam: the command-line host of the control-parameter library.

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

#include "host/trv_assert/SmartAssert.h"
#include "host/trv_qt/trv_qt.h"
#include "tools/ctrlparam/application.h"
#include "tools/ctrlparam/arguments.h"
#include "tools/ctrlparam/command_table.h"
#include "tools/ctrlparam/file_names.h"
#include "tools/ctrlparam/task.h"

namespace {

using namespace ctrlparam;

// The tool's own window texts.
TRV_QT_InitTranslator const toolTexts{"ctrlparam"};

int fail(int status, std::string const& message) {
  std::cerr << "ctrlparam: " << message << '\n';
  return status;
}

// Runs the command with the application it needs; a window command makes its own once its text is loaded.
int run(Request const& request) {
  Command const& command = *request.command;
  Context const& context = request.context;
  // Properties come from an inspector widget, so --set needs widgets too.
  bool const widgets = command.gui || !context.settings.isEmpty();
  applyLocale(context);
  if (!command.window) startApplication(widgets ? Platform::offScreen : Platform::none);
  return command.run(context);
}

// The status once standard output is flushed: a full disk or a closed file is trouble; a reader that went
// away (a closed pipe) is not.
int flushed(int status, int troubleStatus) {
  std::cout.flush();
  bool const failed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
  if (!failed || errno == EPIPE) return status;
  return fail(troubleStatus, std::string("cannot write the output: ") + std::strerror(errno));
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
  // The arguments keep their bytes: a file name need not be valid UTF-8.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << argumentText(QByteArray(argv[i]));
  // diff and upgrade --check follow diff(1): any trouble is 2.
  int troubleStatus = 1;
  int status = 0;
  try {
    Request const request = readArguments(arguments);
    if (request.done) return flushed(0, 1);
    troubleStatus = request.command->troubleStatus(request.context);
    status = flushed(run(request), troubleStatus);
  } catch (UsageError const& error) {
    flushed(0, 2);
    status = fail(2, std::string(error.what()) + " (try 'ctrlparam --help')");
  } catch (std::exception const& error) {
    flushed(0, troubleStatus);
    status = fail(troubleStatus, error.what());
  }
  stopApplication();
  return status;
}
