#pragma once

#include "ui/Component.h"
#include "ui/Desktop.h"
#include "ui/Exception.h"
#include "ui/Form.h"

#include <exception>
#include <string>
#include <vector>

class TTrayIcon;
class TPopupMenu;

// The application object: title, the windows in creation order, the message loop and its
// nested loops, minimise and restore, message boxes and the exception guard around every event.
class TApplication : public TComponent, public DesktopSink {
public:
  explicit TApplication(Desktop& desktop);
  ~TApplication() override;

  Desktop& TheDesktop() const { return FDesktop; }

  void Initialize() {}
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& title);

  // Creates a window owned by the application; reference is set before its OnCreate runs.
  // The first window created becomes the main window. A window whose creation fails is destroyed
  // and its reference cleared, so that no global is left dangling.
  template <typename T> void CreateForm(T*& reference) {
    T* form = new T(this);
    reference = form;
    try {
      AddForm(form);
    } catch (...) {
      reference = nullptr;
      throw;
    }
  }
  TForm* MainForm() const { return FMainForm; }
  const std::vector<TForm*>& Forms() const { return FForms; }

  // Runs the message loop until Terminate. Returns the exit code.
  int Run();
  void Terminate() { FTerminated = true; }
  bool Terminated() const { return FTerminated; }
  // Waits for one event and dispatches it.
  void HandleMessage();
  // True when the last loop ended because the desktop session ended.
  bool SessionEnded() const { return FSessionEnded; }

  void Minimize();
  void Restore();
  bool Minimized() const { return FMinimized; }
  bool TopmostsNormalized() const { return FMinimized; }
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;

  // The program's taskbar entry.
  void SetTaskbarVisible(bool shown);
  bool TaskbarVisible() const { return FTaskbarVisible; }

  // A modal message box with an OK button; other windows take no input until it is closed,
  // while timers go on firing. Returns IDOK.
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  bool BoxOpen() const { return !FOpenBoxes.empty(); }

  // Runs f; a failure it raises is shown in the error box and the program goes on.
  template <typename F> void Guarded(F&& f) {
    try {
      f();
    } catch (const Exception& e) {
      ShowException(e.Message());
    } catch (const std::exception& e) {
      ShowException(e.what());
    }
  }
  // The error box: the message and a full stop, the title as caption, a stop icon, OK.
  void ShowException(const std::string& message);

  // Disables every shown, enabled window (before a modal window or box opens); returns them.
  using DisabledWindows = std::vector<TForm*>;
  DisabledWindows DisableTaskWindows();
  void EnableTaskWindows(const DisabledWindows& windows);

  // The popup menu that is open now, if any.
  TPopupMenu* OpenPopupMenu() const { return FOpenPopup; }
  void PopupOpened(TPopupMenu* menu) { FOpenPopup = menu; }

  std::optional<std::string> GetPropertyText(const std::string& name) const override;

  // DesktopSink
  void TimerFired(TTimer& timer) override;
  void ControlClicked(TControl& control) override;
  void MenuItemChosen(TMenuItem& item) override;
  void PopupDismissed(TPopupMenu& menu) override;
  void CloseRequested(TForm& form) override;
  void FormMoved(TForm& form, int left, int top) override;
  void MinimizeRequested() override;
  void RestoreRequested() override;
  void TaskbarCloseRequested() override;
  void BoxClosed(int box) override;
  void TrayMouseEvent(TTrayIcon& icon, TrayMouse event, int x, int y) override;

private:
  struct Box {
    int id;
    std::string text, caption;
  };
  void AddForm(TForm* form);
  bool IsBoxOpen(int id) const;

  Desktop& FDesktop;
  std::string FTitle;
  std::vector<TForm*> FForms;
  TForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FSessionEnded = false;
  bool FMinimized = false;
  bool FTaskbarVisible = false;
  std::vector<TForm*> FHiddenByMinimize;
  std::vector<Box> FOpenBoxes;
  TPopupMenu* FOpenPopup = nullptr;
};

// The one application object of the process.
extern TApplication* Application;

// The whole primary screen's width and height in pixels (never the work area).
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
int GetSystemMetrics(int index);

// The run-time library's report of a failure that escaped start-up: a box captioned
// "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ" with the message; the caller then ends the process with exit code 1.
void ShowRunTimeError(const std::string& message);
