#pragma once

#include "ui/Component.h"
#include "ui/Desktop.h"

#include <string>

class TPopupMenu;

// The program's icon in the notification area. It is added when its owner is loaded (or the
// creation fails), tells the desktop about a new hint only when it changes, and is removed when
// destroyed. A right press opens PopupMenu only while the program is in the tray; minimising
// the application hides the taskbar entry and restoring shows it.
class TTrayIcon : public TComponent {
public:
  // The tip keeps at most this many bytes of the hint, never splitting a character.
  static constexpr std::size_t TipBytes = 63;

  explicit TTrayIcon(TComponent* owner);
  ~TTrayIcon() override;

  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value);
  // The text the tray shows as tooltip.
  std::string Tip() const;
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }
  bool Added() const { return FAdded; }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

  // A mouse event on the icon, at the pointer's screen position.
  void MouseEvent(DesktopSink::TrayMouse event, int x, int y);

  void Loaded() override;
  std::optional<std::string> GetPropertyText(const std::string& name) const override;

private:
  std::string FHint;
  TPopupMenu* FPopupMenu = nullptr;
  bool FAdded = false;
};

// The longest prefix of text that fits in limit bytes without splitting a UTF-8 character.
std::string Utf8Prefix(const std::string& text, std::size_t limit);
