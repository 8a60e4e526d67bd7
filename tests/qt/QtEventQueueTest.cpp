#include "qt/QtEventQueue.h"

#include "ui/ExtCtrls.h"
#include "ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Names what it receives; the timers and controls here never reach a real handler.
struct NamingSink : DesktopSink {
  std::vector<std::string> Events;
  void TimerFired(TTimer& timer) override { Events.push_back("timer " + timer.Name()); }
  void ControlClicked(TControl& control) override { Events.push_back("click " + control.Name()); }
  void MenuItemChosen(TMenuItem&) override {}
  void PopupDismissed(TPopupMenu&) override {}
  void CloseRequested(TForm&) override {}
  void MinimizeRequested() override { Events.push_back("minimize"); }
  void FormMoved(TForm&, int, int) override {}
  void RestoreRequested() override {}
  void TaskbarCloseRequested() override {}
  void BoxClosed(int box) override { Events.push_back("box " + std::to_string(box)); }
  void TrayMouseEvent(TTrayIcon&, TrayMouse, int, int) override {}
};

std::vector<std::string> DeliverAll(QtEventQueue& queue) {
  NamingSink sink;
  while (!queue.Empty())
    QtEventQueue::Deliver(queue.Pop(), sink);
  return sink.Events;
}

TEST(QtEventQueueTest, TimerIsQueuedOnceUntilItsEventIsTaken) {
  TTimer fast(nullptr), slow(nullptr);
  fast.SetName("fast");
  slow.SetName("slow");
  QtEventQueue queue;
  queue.Push(QtEventQueue::TimerFired{&fast});
  queue.Push(QtEventQueue::TimerFired{&slow});
  queue.Push(QtEventQueue::TimerFired{&fast});
  queue.Push(QtEventQueue::MinimizeRequested{});
  EXPECT_EQ(DeliverAll(queue), (std::vector<std::string>{"timer fast", "timer slow", "minimize"}));

  queue.Push(QtEventQueue::TimerFired{&fast});
  EXPECT_EQ(DeliverAll(queue), std::vector<std::string>{"timer fast"}) << "taken, then due again";
}

TEST(QtEventQueueTest, PurgeDropsOnlyTheEventsAboutThatObject) {
  TTimer timer(nullptr);
  timer.SetName("timer");
  TButton gone(nullptr), kept(nullptr);
  gone.SetName("gone");
  kept.SetName("kept");
  QtEventQueue queue;
  queue.Push(QtEventQueue::ControlClicked{&gone});
  queue.Push(QtEventQueue::TimerFired{&timer});
  queue.Push(QtEventQueue::ControlClicked{&kept});
  queue.Push(QtEventQueue::BoxClosed{3});
  queue.Push(QtEventQueue::BoxClosed{4});
  queue.Purge(&gone);
  queue.Purge(&timer);
  queue.PurgeBox(3);
  EXPECT_EQ(DeliverAll(queue), (std::vector<std::string>{"click kept", "box 4"}));

  // A purged timer is not held back as if it were still waiting.
  queue.Push(QtEventQueue::TimerFired{&timer});
  EXPECT_EQ(DeliverAll(queue), std::vector<std::string>{"timer timer"});
}

} // namespace
