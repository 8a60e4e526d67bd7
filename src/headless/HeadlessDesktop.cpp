#include "headless/HeadlessDesktop.h"

#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/TrayIcon.h"

#include <cstdio>

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

HeadlessDesktop::HeadlessDesktop(std::ostream* trace) : FTrace(trace) {}

void HeadlessDesktop::SetScreen(int width, int height) {
  FScreenWidth = width;
  FScreenHeight = height;
}

void HeadlessDesktop::Trace(const std::string& event) {
  if (FTrace) *FTrace << FNow << ' ' << event << '\n';
}

void HeadlessDesktop::Dropped(const std::string& what) {
  Trace("dropped " + what);
}

void HeadlessDesktop::WaitAndDispatch() {
  if (!FWaiting) {
    if (!FInput) throw SessionEnd();
    FInput->Next(*this);
    return;
  }
  // The next timer due within the wait; at the same moment, the one created first.
  TTimer* next = nullptr;
  for (auto& [timer, state] : FTimers) {
    if (state.due > FWaitUntil) continue;
    if (!next || state.due < FTimers[next].due ||
        (state.due == FTimers[next].due && timer->Serial() < next->Serial()))
      next = timer;
  }
  if (!next) {
    FNow = FWaitUntil;
    FWaiting = false;
    return;
  }
  FNow = FTimers[next].due;
  FTimers[next].due = FNow + next->Interval();
  if (FSink) FSink->TimerFired(*next);
}

void HeadlessDesktop::UserWait(std::int64_t ms) {
  FWaiting = true;
  FWaitUntil = FNow + ms;
}

void HeadlessDesktop::ControlChanged(TControl& control, Change what) {
  ++FChangeCount;
  auto* form = dynamic_cast<TForm*>(&control);
  if (!form || (what != Change::Visible && what != Change::Created)) return;
  if (what == Change::Created && !form->Visible()) return;
  if (form->Visible())
    Trace("show " + form->Name() + (form->Modal() ? " modal" : ""));
  else
    Trace("hide " + form->Name());
}

void HeadlessDesktop::MenuItemChanged(TMenuItem&, Change) {
  ++FChangeCount;
}

FrameExtents HeadlessDesktop::FrameOf(const TForm& form) {
  // The classic metrics: a 3-pixel fixed frame (4 when sizeable), an 18-pixel caption and a
  // 19-pixel menu bar.
  FrameExtents frame;
  int border = 0;
  switch (form.BorderStyle()) {
  case TBorderStyle::bsNone:
    return frame;
  case TBorderStyle::bsSingle:
  case TBorderStyle::bsDialog:
    border = 3;
    break;
  case TBorderStyle::bsSizeable:
    border = 4;
    break;
  }
  frame.left = frame.right = frame.bottom = border;
  frame.top = border + 18;
  if (form.Menu() && !form.Menu()->Items().Items().empty()) frame.top += 19;
  return frame;
}

int HeadlessDesktop::TextWidth(const TFont& font, const std::string& text) {
  // A fixed metric: a full-width character is 9/10 of the height, a half-width one half of it.
  int half = 0, full = 0;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    char32_t code = c;
    if (length == 3 && i + 2 < text.size())
      code = ((c & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);
    bool halfWidth = length == 1 || (code >= 0xFF61 && code <= 0xFF9F);
    (halfWidth ? half : full) += 1;
    i += length;
  }
  return half * font.Height / 2 + full * font.Height * 9 / 10;
}

int HeadlessDesktop::TextHeight(const TFont& font) {
  return font.Height;
}

void HeadlessDesktop::OpenPopup(TPopupMenu& menu, int, int) {
  FPopup = &menu;
  Trace("menu open " + menu.Name());
}

void HeadlessDesktop::ClosePopup(TPopupMenu& menu) {
  if (FPopup != &menu) return;
  FPopup = nullptr;
  Trace("menu closed");
}

void HeadlessDesktop::DismissPopup() {
  if (!FPopup) return;
  TPopupMenu* menu = FPopup;
  ClosePopup(*menu);
  if (FSink) FSink->PopupDismissed(*menu);
}

void HeadlessDesktop::StartTimer(TTimer& timer) {
  FTimers[&timer] = TimerState{FNow + timer.Interval()};
}

void HeadlessDesktop::StopTimer(TTimer& timer) {
  FTimers.erase(&timer);
}

int HeadlessDesktop::OpenBox(const std::string& text, const std::string& caption, unsigned flags) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%04X", flags);
  Trace("box " + Quoted(caption) + " " + Quoted(text) + " " + hex);
  FBoxes.push_back({FNextBox, text, caption, flags});
  return FNextBox++;
}

void HeadlessDesktop::CloseBox(int box) {
  for (auto it = FBoxes.begin(); it != FBoxes.end(); ++it)
    if (it->id == box) {
      FBoxes.erase(it);
      Trace("box closed");
      return;
    }
}

bool HeadlessDesktop::TrayAdd(TTrayIcon& icon) {
  if (FRefuseTray) return false;
  FTray = &icon;
  FTrayTip = icon.Tip();
  Trace("tray add " + Quoted(FTrayTip));
  return true;
}

void HeadlessDesktop::TrayModify(TTrayIcon& icon) {
  ++FTrayModifies;
  FTrayTip = icon.Tip();
  Trace("tray modify " + Quoted(FTrayTip));
}

void HeadlessDesktop::TrayDelete(TTrayIcon& icon) {
  if (FTray != &icon) return;
  FTray = nullptr;
  Trace("tray delete");
}

void HeadlessDesktop::TaskbarEntry(bool shown, const std::string&) {
  if (shown == FTaskbarShown) return;
  FTaskbarShown = shown;
  Trace(shown ? "taskbar show" : "taskbar hide");
}

void HeadlessDesktop::OpenLink(const std::string& target) {
  Trace("open " + Quoted(target));
}

bool HeadlessDesktop::ModalUp() const {
  if (!FBoxes.empty()) return true;
  for (TForm* form : Application->Forms())
    if (form->Modal()) return true;
  return false;
}

void HeadlessDesktop::UserOk(const std::string& what) {
  if (FBoxes.empty()) return Dropped(what);
  DismissPopup();
  int id = FBoxes.back().id;
  CloseBox(id);
  if (FSink) FSink->BoxClosed(id);
}

bool HeadlessDesktop::UserReach(TControl& control, const std::string& what) {
  TForm* form = control.ParentForm();
  if (!form || !form->Visible() || !form->Enabled() || !control.Showing() ||
      !control.EnabledInTree()) {
    Dropped(what);
    return false;
  }
  DismissPopup();
  return true;
}

void HeadlessDesktop::UserClick(TControl& control, const std::string& what) {
  if (UserReach(control, what) && FSink) FSink->ControlClicked(control);
}

void HeadlessDesktop::UserMenu(TMenuItem& item, const std::string& what) {
  TMenu* menu = item.Menu();
  bool reachable = item.Enabled() && item.Visible() && !item.IsSeparator();
  for (TMenuItem* parent = item.Parent(); parent && reachable; parent = parent->Parent())
    reachable = parent->Enabled() && parent->Visible();
  if (auto* popup = dynamic_cast<TPopupMenu*>(menu)) {
    if (!reachable || FPopup != popup) return Dropped(what);
  } else {
    TForm* owner = nullptr;
    for (TForm* form : Application->Forms())
      if (form->Menu() == menu) owner = form;
    if (!reachable || !owner || !owner->Visible() || !owner->Enabled()) return Dropped(what);
    DismissPopup();
  }
  if (FSink) FSink->MenuItemChosen(item);
}

void HeadlessDesktop::UserTray(TrayClick click, const std::string&) {
  if (!FTray || !FSink) return;
  DismissPopup();
  using M = DesktopSink::TrayMouse;
  switch (click) {
  case TrayClick::Left:
    FSink->TrayMouseEvent(*FTray, M::LeftDown, TrayX(), TrayY());
    FSink->TrayMouseEvent(*FTray, M::LeftUp, TrayX(), TrayY());
    break;
  case TrayClick::Right:
    FSink->TrayMouseEvent(*FTray, M::RightDown, TrayX(), TrayY());
    break;
  case TrayClick::Double:
    FSink->TrayMouseEvent(*FTray, M::LeftDouble, TrayX(), TrayY());
    break;
  }
}

void HeadlessDesktop::UserMinimize(const std::string& what) {
  TForm* main = Application->MainForm();
  if (!main || !main->Visible() || !main->Enabled() || !(main->BorderIcons() & biMinimize))
    return Dropped(what);
  DismissPopup();
  if (FSink) FSink->MinimizeRequested();
}

void HeadlessDesktop::UserClose(TForm& form, const std::string& what) {
  if (!form.Visible() || !form.Enabled()) return Dropped(what);
  DismissPopup();
  if (FSink) FSink->CloseRequested(form);
}

void HeadlessDesktop::UserMove(TForm& form, int left, int top, const std::string& what) {
  if (!form.Visible() || !form.Enabled()) return Dropped(what);
  DismissPopup();
  if (FSink) FSink->FormMoved(form, left, top);
}

void HeadlessDesktop::UserTaskbar(TaskbarCommand command, const std::string& what) {
  if (!FTaskbarShown || ModalUp()) return Dropped(what);
  DismissPopup();
  if (!FSink) return;
  switch (command) {
  case TaskbarCommand::Close:
    FSink->TaskbarCloseRequested();
    break;
  case TaskbarCommand::Minimize:
    FSink->MinimizeRequested();
    break;
  case TaskbarCommand::Restore:
    FSink->RestoreRequested();
    break;
  }
}

void HeadlessDesktop::UserEndSession() {
  throw SessionEnd();
}
