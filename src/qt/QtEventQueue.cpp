#include "qt/QtEventQueue.h"

#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/TrayIcon.h"

#include <algorithm>

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

// The object an event is about, or nullptr.
const TObject* Subject(const QtEventQueue::Event& event) {
  using Q = QtEventQueue;
  return std::visit(Overloaded{
                        [](const Q::TimerFired& e) -> const TObject* { return e.timer; },
                        [](const Q::ControlClicked& e) -> const TObject* { return e.control; },
                        [](const Q::MenuItemChosen& e) -> const TObject* { return e.item; },
                        [](const Q::PopupDismissed& e) -> const TObject* { return e.menu; },
                        [](const Q::CloseRequested& e) -> const TObject* { return e.form; },
                        [](const Q::FormMoved& e) -> const TObject* { return e.form; },
                        [](const Q::TrayMouseEvent& e) -> const TObject* { return e.icon; },
                        [](const auto&) -> const TObject* { return nullptr; },
                    },
                    event);
}

} // namespace

void QtEventQueue::Push(const Event& event) {
  if (auto* fired = std::get_if<TimerFired>(&event))
    if (!FWaitingTimers.insert(fired->timer).second) return;
  FEvents.push_back(event);
}

QtEventQueue::Event QtEventQueue::Pop() {
  Event event = FEvents.front();
  FEvents.pop_front();
  if (auto* fired = std::get_if<TimerFired>(&event)) FWaitingTimers.erase(fired->timer);
  return event;
}

void QtEventQueue::Purge(const TObject* object) {
  std::erase_if(FEvents, [&](const Event& event) { return Subject(event) == object; });
  std::erase_if(FWaitingTimers,
                [&](const TTimer* timer) { return static_cast<const TObject*>(timer) == object; });
}

void QtEventQueue::PurgeBox(int box) {
  std::erase_if(FEvents, [&](const Event& event) {
    auto* closed = std::get_if<BoxClosed>(&event);
    return closed && closed->box == box;
  });
}

void QtEventQueue::Deliver(const Event& event, DesktopSink& sink) {
  std::visit(Overloaded{
                 [&](const TimerFired& e) { sink.TimerFired(*e.timer); },
                 [&](const ControlClicked& e) { sink.ControlClicked(*e.control); },
                 [&](const MenuItemChosen& e) { sink.MenuItemChosen(*e.item); },
                 [&](const PopupDismissed& e) { sink.PopupDismissed(*e.menu); },
                 [&](const CloseRequested& e) { sink.CloseRequested(*e.form); },
                 [&](const MinimizeRequested&) { sink.MinimizeRequested(); },
                 [&](const FormMoved& e) { sink.FormMoved(*e.form, e.left, e.top); },
                 [&](const BoxClosed& e) { sink.BoxClosed(e.box); },
                 [&](const TrayMouseEvent& e) { sink.TrayMouseEvent(*e.icon, e.mouse, e.x, e.y); },
             },
             event);
}
