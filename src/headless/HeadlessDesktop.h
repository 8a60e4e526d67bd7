#pragma once

#include "ui/Desktop.h"

#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

class HeadlessDesktop;

// Where the headless desktop's user input comes from when a loop waits: a scenario, or a test.
class HeadlessInput {
public:
  virtual ~HeadlessInput() = default;
  // Gives the next input to the desktop (one user action, or a wait); throws SessionEnd when
  // there is none left.
  virtual void Next(HeadlessDesktop& desktop) = 0;
};

// A desktop without a screen: a virtual clock, a screen of a chosen size, scripted input and a
// trace of what a user would see. Nothing here waits for real time.
class HeadlessDesktop : public Desktop {
public:
  explicit HeadlessDesktop(std::ostream* trace = nullptr);

  // --- set-up and observation ---
  void SetInput(HeadlessInput* input) { FInput = input; }
  void SetTrace(std::ostream* trace) { FTrace = trace; }
  std::int64_t Now() const { return FNow; }
  void SetScreen(int width, int height);
  void RefuseTray(bool refuse) { FRefuseTray = refuse; }
  // Writes one trace line at the current virtual time.
  void Trace(const std::string& event);

  // How many changes reached the desktop, per kind and in all (tests check that steady values
  // send nothing).
  int ChangeCount() const { return FChangeCount; }
  int TrayModifyCount() const { return FTrayModifies; }
  const std::string& TrayTip() const { return FTrayTip; }
  bool TrayPresent() const { return FTray != nullptr; }
  bool TaskbarShown() const { return FTaskbarShown; }
  struct OpenedBox {
    int id;
    std::string text, caption;
    unsigned flags;
  };
  const std::vector<OpenedBox>& Boxes() const { return FBoxes; }
  TPopupMenu* OpenPopupMenu() const { return FPopup; }
  TTrayIcon* Tray() const { return FTray; }

  // --- user input; what a user could not do now is dropped and traced as `dropped WHAT` ---
  // Lets MS milliseconds pass; timers fire as they come due, in whichever loop runs.
  void UserWait(std::int64_t ms);
  void UserOk(const std::string& what = "ok");
  void UserClick(TControl& control, const std::string& what);
  void UserMenu(TMenuItem& item, const std::string& what);
  enum class TrayClick { Left, Right, Double };
  void UserTray(TrayClick click, const std::string& what);
  void UserMinimize(const std::string& what = "minimize");
  void UserClose(TForm& form, const std::string& what);
  // The user drags a window so that its outer corner is at left, top.
  void UserMove(TForm& form, int left, int top, const std::string& what);
  enum class TaskbarCommand { Close, Minimize, Restore };
  void UserTaskbar(TaskbarCommand command, const std::string& what);
  // Delivers an action to a form's control when the user could reach it: the form is shown
  // and enabled, the control shown and enabled. Returns false (traced as dropped) otherwise.
  bool UserReach(TControl& control, const std::string& what);
  [[noreturn]] void UserEndSession();

  // --- Desktop ---
  void SetSink(DesktopSink* sink) override { FSink = sink; }
  void WaitAndDispatch() override;
  void ControlChanged(TControl& control, Change what) override;
  void MenuItemChanged(TMenuItem& item, Change what) override;
  FrameExtents FrameOf(const TForm& form) override;
  int TextWidth(const TFont& font, const std::string& text) override;
  int TextHeight(const TFont& font) override;
  void OpenPopup(TPopupMenu& menu, int x, int y) override;
  void ClosePopup(TPopupMenu& menu) override;
  void StartTimer(TTimer& timer) override;
  void StopTimer(TTimer& timer) override;
  int OpenBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void CloseBox(int box) override;
  bool TrayAdd(TTrayIcon& icon) override;
  void TrayModify(TTrayIcon& icon) override;
  void TrayDelete(TTrayIcon& icon) override;
  void TaskbarEntry(bool shown, const std::string& title) override;
  int ScreenWidth() override { return FScreenWidth; }
  int ScreenHeight() override { return FScreenHeight; }
  void OpenLink(const std::string& target) override;

  // The screen position of the tray icon, where its popup menu opens.
  int TrayX() const { return FScreenWidth - 24; }
  int TrayY() const { return FScreenHeight - 16; }

private:
  void Dropped(const std::string& what);
  // Closes an open popup menu as a click elsewhere would.
  void DismissPopup();
  bool ModalUp() const;

  DesktopSink* FSink = nullptr;
  HeadlessInput* FInput = nullptr;
  std::ostream* FTrace;
  std::int64_t FNow = 0;
  bool FWaiting = false;
  std::int64_t FWaitUntil = 0;
  struct TimerState {
    std::int64_t due;
  };
  std::map<TTimer*, TimerState> FTimers;
  int FScreenWidth = 1024, FScreenHeight = 768;
  bool FRefuseTray = false;
  TTrayIcon* FTray = nullptr;
  std::string FTrayTip;
  int FTrayModifies = 0;
  bool FTaskbarShown = false;
  std::vector<OpenedBox> FBoxes;
  int FNextBox = 1;
  TPopupMenu* FPopup = nullptr;
  int FChangeCount = 0;
};

// A text quoted for the trace: in double quotes, with \" and \\ escaped.
std::string Quoted(const std::string& text);
