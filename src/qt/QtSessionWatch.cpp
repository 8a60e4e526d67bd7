#include "qt/QtSessionWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP};
// The handler's only way out: the write end of the watch's pipe.
volatile sig_atomic_t gWakeFd = -1;
struct sigaction gPrevious[2];

void OnSignal(int) {
  int saved = errno;
  char byte = 1;
  [[maybe_unused]] ssize_t written = write(gWakeFd, &byte, 1);
  errno = saved;
}

} // namespace

QtSessionWatch::QtSessionWatch() {
  if (pipe2(FPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
    gWakeFd = FPipe[1];
    FNotifier = std::make_unique<QSocketNotifier>(FPipe[0], QSocketNotifier::Read);
    connect(FNotifier.get(), &QSocketNotifier::activated, [this] {
      char buffer[16];
      while (read(FPipe[0], buffer, sizeof buffer) > 0) {
      }
      FEnded = true;
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(Signals); ++i)
      sigaction(Signals[i], &action, &gPrevious[i]);
  }
  // The session manager's "die" arrives as a Quit event to the application object. Last
  // windows closing never quit: our own loop decides when the program ends.
  QCoreApplication::instance()->installEventFilter(this);
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    app->setQuitOnLastWindowClosed(false);
}

QtSessionWatch::~QtSessionWatch() {
  if (FPipe[0] < 0) return;
  for (std::size_t i = 0; i < std::size(Signals); ++i)
    sigaction(Signals[i], &gPrevious[i], nullptr);
  gWakeFd = -1;
  FNotifier.reset();
  close(FPipe[0]);
  close(FPipe[1]);
}

bool QtSessionWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) {
    FEnded = true;
    // Swallowed: Qt would close our windows on its way out, and those closes are not the
    // user's.
    return true;
  }
  return false;
}
