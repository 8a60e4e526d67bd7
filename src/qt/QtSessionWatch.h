#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Notices the end of the desktop session: SIGTERM or SIGHUP (through a self-pipe, since a
// signal handler may do next to nothing), or the session manager's quit. It only takes note;
// the loop that waits asks Ended() once Qt has returned and throws from there.
class QtSessionWatch : public QObject {
public:
  QtSessionWatch();
  ~QtSessionWatch() override;
  bool Ended() const { return FEnded; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  bool FEnded = false;
  int FPipe[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> FNotifier;
};
