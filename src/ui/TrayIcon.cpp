#include "ui/TrayIcon.h"
#include "ui/Application.h"
#include "ui/Menus.h"

std::string Utf8Prefix(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  // Step back over continuation bytes to the start of the character that would be cut.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
    --end;
  return text.substr(0, end);
}

TTrayIcon::TTrayIcon(TComponent* owner) : TComponent(owner) {}

TTrayIcon::~TTrayIcon() {
  if (FAdded && Application) Application->TheDesktop().TrayDelete(*this);
}

void TTrayIcon::Loaded() {
  TComponent::Loaded();
  if (FAdded) return;
  if (!Application->TheDesktop().TrayAdd(*this))
    throw Exception("Cannot create shell notification icon");
  FAdded = true;
  Application->OnMinimize = [](TObject*) { Application->SetTaskbarVisible(false); };
  Application->OnRestore = [](TObject*) { Application->SetTaskbarVisible(true); };
}

void TTrayIcon::SetHint(const std::string& value) {
  if (value == FHint) return;
  FHint = value;
  if (FAdded) Application->TheDesktop().TrayModify(*this);
}

std::string TTrayIcon::Tip() const {
  return Utf8Prefix(FHint, TipBytes);
}

void TTrayIcon::MouseEvent(DesktopSink::TrayMouse event, int x, int y) {
  using M = DesktopSink::TrayMouse;
  switch (event) {
  case M::LeftUp:
    if (OnClick) OnClick(this);
    break;
  case M::RightDown:
    if (FPopupMenu && !Application->TaskbarVisible()) FPopupMenu->Popup(x, y);
    break;
  case M::LeftDouble:
  case M::RightDouble:
    if (OnDblClick) OnDblClick(this);
    break;
  default:
    break;
  }
}

std::optional<std::string> TTrayIcon::GetPropertyText(const std::string& name) const {
  if (name == "Hint") return FHint;
  if (name == "Tip") return Tip();
  if (name == "Added") return BoolText(FAdded);
  return TComponent::GetPropertyText(name);
}
