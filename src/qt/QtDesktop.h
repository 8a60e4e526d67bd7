#pragma once

#include "qt/QtEventQueue.h"
#include "qt/QtFrameProbe.h"
#include "qt/QtMenuActions.h"
#include "qt/QtPeer.h"
#include "qt/QtPeerContext.h"
#include "qt/QtPeerFactory.h"
#include "qt/QtSessionWatch.h"
#include "ui/Desktop.h"

#include <memory>
#include <unordered_map>

class QMenu;
class QMessageBox;
class QSystemTrayIcon;
class QTimer;
class QWidget;

// The desktop on a real screen through Qt 6 Widgets (X11, Wayland, or offscreen for tests).
// The loops stay ours: Qt's callbacks only queue events, and WaitAndDispatch lets Qt run until
// there is one and hands exactly one to the sink. No Qt modal loop is ever used; modality is
// the windowing layer's, by disabling windows.
class QtDesktop : public Desktop {
public:
  // The QApplication must exist already.
  QtDesktop();
  ~QtDesktop() override;

  // The widget that shows a control, or nullptr.
  QWidget* WidgetOf(const TControl& control) const;

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
  int ScreenWidth() override;
  int ScreenHeight() override;
  void OpenLink(const std::string& target) override;

private:
  void CreatePeer(TControl& control);
  void DestroyPeer(TControl& control);
  // Popups that Qt closed: a choice was queued already, otherwise their dismissal is.
  void SettlePopups();
  // Shown windows whose frame the window manager has drawn by now.
  void CheckFrames();
  int ProbeMenuBarHeight();

  struct Popup {
    std::unique_ptr<QMenu> menu;
    bool hidden = false;
    bool chosen = false;
  };

  DesktopSink* FSink = nullptr;
  QtSessionWatch FSession;
  QtEventQueue FEvents;
  QtFrameProbe FFrames;
  QtMenuActions FMenus{FEvents};
  QtPeerContext FContext{FEvents, FMenus, FFrames};
  QtPeerFactory FFactory;
  std::unordered_map<const TControl*, std::unique_ptr<QtPeer>> FPeers;
  std::unordered_map<const TTimer*, std::unique_ptr<QTimer>> FTimers;
  std::unordered_map<const TPopupMenu*, Popup> FPopups;
  std::unordered_map<int, std::unique_ptr<QMessageBox>> FBoxes;
  int FNextBox = 1;
  std::unordered_map<const TTrayIcon*, std::unique_ptr<QSystemTrayIcon>> FTrays;
  int FMenuBarHeight = -1;
};
