#pragma once

#include "ui/Types.h"

#include <string>

class TControl;
class TForm;
class TMenuItem;
class TMenu;
class TPopupMenu;
class TTimer;
class TTrayIcon;
struct TFont;

// What changed on a control, a form or a menu item; the desktop reads the new value from it.
enum class Change {
  Created,   // the peer is made now, from the complete current state (children included)
  Destroyed, // the object is going away; use the pointer as a key only
  Bounds,    // Left, Top, Width, Height (of a form: position and client size)
  Visible,
  Enabled,
  Caption,
  Font,
  Cursor,
  Color,    // a gauge's ForeColor
  Value,    // a gauge's Progress or a progress bar's Position and range
  Style,    // a form's FormStyle, BorderStyle or BorderIcons, or its topmost state
  Checked,  // a menu item's check mark or radio mark
  Menu,     // a form's menu bar was attached or detached
  Activate, // bring a shown window to the front and give it the focus
};

// The frame a window system puts around a form's client area, in pixels.
struct FrameExtents {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Where a window system's user input and timer messages go: the application object.
// The desktop calls these only from within WaitAndDispatch, one event per call.
class DesktopSink {
public:
  virtual ~DesktopSink() = default;
  // A timer's period has passed.
  virtual void TimerFired(TTimer& timer) = 0;
  // The user pressed a push button, or clicked a control.
  virtual void ControlClicked(TControl& control) = 0;
  // The user chose a menu item (of the menu bar or of an open popup menu).
  virtual void MenuItemChosen(TMenuItem& item) = 0;
  // An open popup menu closed without a choice.
  virtual void PopupDismissed(TPopupMenu& menu) = 0;
  // The user asked a window to close (close box, system menu, Alt+F4).
  virtual void CloseRequested(TForm& form) = 0;
  // The user minimised a window (minimise box, system menu) or the taskbar entry.
  virtual void MinimizeRequested() = 0;
  // The user moved a window; its outer corner is now at left, top.
  virtual void FormMoved(TForm& form, int left, int top) = 0;
  // The user restored the taskbar entry.
  virtual void RestoreRequested() = 0;
  // The taskbar entry's Close command.
  virtual void TaskbarCloseRequested() = 0;
  // A message box was closed by its OK button.
  virtual void BoxClosed(int box) = 0;
  // Mouse on the tray icon; x, y are the screen position of the pointer.
  enum class TrayMouse { LeftDown, LeftUp, RightDown, RightUp, LeftDouble, RightDouble, Move };
  virtual void TrayMouseEvent(TTrayIcon& icon, TrayMouse event, int x, int y) = 0;
};

// The one interface through which the windowing layer reaches a screen.
class Desktop {
public:
  virtual ~Desktop() = default;

  // Where input and timers are delivered.
  virtual void SetSink(DesktopSink* sink) = 0;

  // Waits for the next event and delivers it to the sink; returns after one event.
  // Throws SessionEnd when the desktop session has ended.
  virtual void WaitAndDispatch() = 0;

  // A form, control or menu item changed (see Change); only objects with a peer are reported.
  virtual void ControlChanged(TControl& control, Change what) = 0;
  virtual void MenuItemChanged(TMenuItem& item, Change what) = 0;

  // The frame around a form's client area for its border style and menu bar.
  virtual FrameExtents FrameOf(const TForm& form) = 0;
  // The size of a text in a font, for labels that size themselves.
  virtual int TextWidth(const TFont& font, const std::string& text) = 0;
  virtual int TextHeight(const TFont& font) = 0;

  // Opens a popup menu at the screen position; it stays open until an item is chosen or the
  // user dismisses it (both reported to the sink), or ClosePopup.
  virtual void OpenPopup(TPopupMenu& menu, int x, int y) = 0;
  virtual void ClosePopup(TPopupMenu& menu) = 0;

  // Starts or restarts a timer with its interval; the first period counts from now.
  virtual void StartTimer(TTimer& timer) = 0;
  virtual void StopTimer(TTimer& timer) = 0;

  // Opens a message box with one OK button; returns an id that BoxClosed reports.
  virtual int OpenBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  // Closes a box that is still open (the program is ending).
  virtual void CloseBox(int box) = 0;

  // The tray icon: add (false when refused), modify (tip or icon changed), delete.
  virtual bool TrayAdd(TTrayIcon& icon) = 0;
  virtual void TrayModify(TTrayIcon& icon) = 0;
  virtual void TrayDelete(TTrayIcon& icon) = 0;

  // Shows or hides the program's taskbar entry.
  virtual void TaskbarEntry(bool shown, const std::string& title) = 0;

  // The whole primary screen in pixels, not the work area.
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;

  // Hands a link to the system's opener.
  virtual void OpenLink(const std::string& target) = 0;
};
