#pragma once

#include "ui/Desktop.h"

#include <deque>
#include <unordered_set>
#include <variant>

class TObject;

// The events that Qt's callbacks leave for WaitAndDispatch, in the order they happened. Qt
// callbacks only push here; the sink sees an event only when our own loop pops it, because our
// handlers open nested loops and may throw, which must never happen inside a Qt event handler.
class QtEventQueue {
public:
  struct TimerFired {
    TTimer* timer;
  };
  struct ControlClicked {
    TControl* control;
  };
  struct MenuItemChosen {
    TMenuItem* item;
  };
  struct PopupDismissed {
    TPopupMenu* menu;
  };
  struct CloseRequested {
    TForm* form;
  };
  struct MinimizeRequested {};
  struct FormMoved {
    TForm* form;
    int left, top;
  };
  struct BoxClosed {
    int box;
  };
  struct TrayMouseEvent {
    TTrayIcon* icon;
    DesktopSink::TrayMouse mouse;
    int x, y;
  };
  using Event =
      std::variant<TimerFired, ControlClicked, MenuItemChosen, PopupDismissed, CloseRequested,
                   MinimizeRequested, FormMoved, BoxClosed, TrayMouseEvent>;

  // A timer that is already waiting in the queue is not queued again, as timer messages
  // coalesce.
  void Push(const Event& event);
  bool Empty() const { return FEvents.empty(); }
  Event Pop();
  // Drops the events about an object that is going away.
  void Purge(const TObject* object);
  void PurgeBox(int box);

  // Hands one event to the sink.
  static void Deliver(const Event& event, DesktopSink& sink);

private:
  std::deque<Event> FEvents;
  std::unordered_set<const TTimer*> FWaitingTimers;
};
