#include "tools/ctrlparam/application.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <future>
#include <iostream>
#include <memory>
#include <thread>

#include "tools/ctrlparam/context.h"

namespace ctrlparam {
namespace {

constexpr auto kDisplayTimeout = std::chrono::seconds(3);

std::unique_ptr<QCoreApplication>& application() {
  static std::unique_ptr<QCoreApplication> made;
  return made;
}

void quietPlatform(QtMsgType type, QMessageLogContext const&, QString const& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}

// Whether the X server of DISPLAY accepts a connection (with the user's authorisation, as Qt will ask it)
// within the timeout. The attempt runs on a thread of its own that is left behind when it takes too long.
bool xServerAnswers() {
  auto answer = std::make_shared<std::promise<bool>>();
  std::future<bool> answered = answer->get_future();
  std::thread([answer] {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    bool const connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    answer->set_value(connected);
  }).detach();
  return answered.wait_for(kDisplayTimeout) == std::future_status::ready && answered.get();
}

// Whether a Wayland compositor listens on the socket WAYLAND_DISPLAY names (in XDG_RUNTIME_DIR unless it is
// a path).
bool waylandAnswers() {
  QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
  if (!QDir::isAbsolutePath(name)) name = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
  QByteArray const path = QFile::encodeName(name);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= static_cast<int>(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  int const socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  bool const connected =
      socket >= 0 && ::connect(socket, reinterpret_cast<sockaddr const*>(&address), sizeof address) == 0;
  if (socket >= 0) ::close(socket);
  return connected;
}

// Whether a window can be shown on the platform Qt will take (QT_QPA_PLATFORM, "xcb" when it is not set).
// Off-screen nobody could close it; other platforms than X and Wayland are left to Qt.
bool displayReachable() {
  QByteArray const setting = qgetenv("QT_QPA_PLATFORM");
  QByteArray const platform = setting.left(setting.indexOf(':'));
  if (platform == "offscreen" || platform == "minimal") return false;
  if (platform.isEmpty() || platform == "xcb") return xServerAnswers();
  if (platform.startsWith("wayland")) return waylandAnswers();
  return true;
}

}  // namespace

void startApplication(Platform platform) {
  if (application()) return;
  if (platform == Platform::display && !displayReachable()) throw Failure("no display; use --screenshot");
  if (platform == Platform::offScreen) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Off-screen, the platform's notes (run-time folder, size hints) are no output of this tool.
    qInstallMessageHandler(quietPlatform);
  }
  // Qt takes no option of the tool's command line: it has been read already.
  static int argc = 1;
  static char name[] = "ctrlparam";
  static char* argv[] = {name, nullptr};
  if (platform == Platform::none)
    application() = std::make_unique<QCoreApplication>(argc, argv);
  else
    application() = std::make_unique<QApplication>(argc, argv);
}

void stopApplication() {
  application().reset();
}

}  // namespace ctrlparam
