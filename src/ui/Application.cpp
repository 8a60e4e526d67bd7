#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/Menus.h"
#include "ui/TrayIcon.h"

#include <algorithm>

TApplication* Application = nullptr;

namespace {
// The message as a sentence: a full stop is added unless it already ends in punctuation.
std::string WithFullStop(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + '.';
  return message;
}
} // namespace

int GetSystemMetrics(int index) {
  Desktop& desktop = Application->TheDesktop();
  return index == SM_CXSCREEN   ? desktop.ScreenWidth()
         : index == SM_CYSCREEN ? desktop.ScreenHeight()
                                : 0;
}

void ShowRunTimeError(const std::string& message) {
  Application->MessageBox(WithFullStop(message), "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ",
                          MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

TApplication::TApplication(Desktop& desktop) : TComponent(nullptr), FDesktop(desktop) {
  SetName("Application");
  Application = this;
  FDesktop.SetSink(this);
}

TApplication::~TApplication() {
  FForms.clear();
  FMainForm = nullptr;
  DestroyComponents();
  FDesktop.SetSink(nullptr);
  if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(const std::string& title) {
  if (title == FTitle) return;
  FTitle = title;
  if (FTaskbarVisible) FDesktop.TaskbarEntry(true, FTitle);
}

void TApplication::AddForm(TForm* form) {
  FForms.push_back(form);
  if (!FMainForm) FMainForm = form;
  try {
    form->Loaded();
  } catch (...) {
    FForms.pop_back();
    if (FMainForm == form) FMainForm = nullptr;
    delete form;
    throw;
  }
  if (form->DesignVisible) form->Show();
  if (form == FMainForm && form->Visible()) SetTaskbarVisible(true);
}

int TApplication::Run() {
  while (!FTerminated)
    HandleMessage();
  return 0;
}

void TApplication::HandleMessage() {
  try {
    FDesktop.WaitAndDispatch();
  } catch (const SessionEnd&) {
    FSessionEnded = true;
    FTerminated = true;
    throw;
  }
}

void TApplication::Minimize() {
  if (FMinimized) return;
  FMinimized = true;
  for (TForm* form : FForms)
    if (form->FormStyle() == TFormStyle::fsStayOnTop && form->HasPeer())
      FDesktop.ControlChanged(*form, Change::Style);
  FHiddenByMinimize.clear();
  for (TForm* form : FForms)
    if (form->Visible()) {
      FHiddenByMinimize.push_back(form);
      form->Hide();
    }
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (!FMinimized) return;
  FMinimized = false;
  std::vector<TForm*> windows;
  windows.swap(FHiddenByMinimize);
  for (TForm* form : windows)
    form->SetVisible(true);
  for (TForm* form : FForms)
    if (form->FormStyle() == TFormStyle::fsStayOnTop && form->HasPeer())
      FDesktop.ControlChanged(*form, Change::Style);
  if (!windows.empty()) windows.front()->BringToFront();
  if (OnRestore) OnRestore(this);
}

void TApplication::SetTaskbarVisible(bool shown) {
  if (shown == FTaskbarVisible) return;
  FTaskbarVisible = shown;
  FDesktop.TaskbarEntry(shown, FTitle);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  DisabledWindows disabled = DisableTaskWindows();
  int id = FDesktop.OpenBox(text, caption, flags);
  FOpenBoxes.push_back({id, text, caption});
  // Only a session end leaves this loop by an exception, and then nothing needs tidying.
  while (IsBoxOpen(id) && !FTerminated)
    HandleMessage();
  if (IsBoxOpen(id)) {
    // The application is terminating: the box goes away with it.
    BoxClosed(id);
    FDesktop.CloseBox(id);
  }
  EnableTaskWindows(disabled);
  return IDOK;
}

bool TApplication::IsBoxOpen(int id) const {
  return std::any_of(FOpenBoxes.begin(), FOpenBoxes.end(),
                     [&](const Box& b) { return b.id == id; });
}

void TApplication::ShowException(const std::string& message) {
  std::string text = WithFullStop(message);
  // An error box is never stacked on an identical one that is still open: a failure that
  // repeats at every tick would otherwise pile up boxes without limit.
  for (const Box& box : FOpenBoxes)
    if (box.text == text && box.caption == FTitle) return;
  MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

TApplication::DisabledWindows TApplication::DisableTaskWindows() {
  DisabledWindows windows;
  for (TForm* form : FForms)
    if (form->Visible() && form->Enabled()) {
      form->SetEnabled(false);
      windows.push_back(form);
    }
  return windows;
}

void TApplication::EnableTaskWindows(const DisabledWindows& windows) {
  for (TForm* form : windows)
    form->SetEnabled(true);
}

std::optional<std::string> TApplication::GetPropertyText(const std::string& name) const {
  if (name == "Title") return FTitle;
  if (name == "Terminated") return BoolText(FTerminated);
  if (name == "Minimized") return BoolText(FMinimized);
  if (name == "ShowMainForm" || name == "TaskbarVisible") return BoolText(FTaskbarVisible);
  return TComponent::GetPropertyText(name);
}

void TApplication::TimerFired(TTimer& timer) {
  Guarded([&] { timer.Fire(); });
}

void TApplication::ControlClicked(TControl& control) {
  Guarded([&] { control.Click(); });
}

void TApplication::MenuItemChosen(TMenuItem& item) {
  if (FOpenPopup && item.Menu() == FOpenPopup) {
    TPopupMenu* menu = FOpenPopup;
    FOpenPopup = nullptr;
    FDesktop.ClosePopup(*menu);
  }
  Guarded([&] { item.Click(); });
}

void TApplication::PopupDismissed(TPopupMenu& menu) {
  if (FOpenPopup == &menu) FOpenPopup = nullptr;
}

void TApplication::CloseRequested(TForm& form) {
  Guarded([&] { form.Close(); });
}

void TApplication::FormMoved(TForm& form, int left, int top) {
  form.MovedByUser(left, top);
}

void TApplication::MinimizeRequested() {
  Guarded([&] { Minimize(); });
}

void TApplication::RestoreRequested() {
  Guarded([&] { Restore(); });
}

void TApplication::TaskbarCloseRequested() {
  Guarded([&] {
    if (FMainForm) FMainForm->Close();
  });
}

void TApplication::BoxClosed(int box) {
  FOpenBoxes.erase(std::remove_if(FOpenBoxes.begin(), FOpenBoxes.end(),
                                  [&](const Box& b) { return b.id == box; }),
                   FOpenBoxes.end());
}

void TApplication::TrayMouseEvent(TTrayIcon& icon, TrayMouse event, int x, int y) {
  Guarded([&] { icon.MouseEvent(event, x, y); });
}
