#include "ui/Menus.h"
#include "ui/Application.h"

#include <algorithm>

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  for (TMenuItem* child : FItems)
    child->FParent = nullptr;
  if (FParent) {
    auto& siblings = FParent->FItems;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void TMenuItem::Changed(Change what) {
  if (Application && Menu()) Application->TheDesktop().MenuItemChanged(*this, what);
}

void TMenuItem::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  Changed(Change::Caption);
}

void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  Changed(Change::Checked);
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == FRadioItem) return;
  FRadioItem = value;
  Changed(Change::Checked);
}

void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed(Change::Enabled);
}

void TMenuItem::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Changed(Change::Visible);
}

void TMenuItem::Add(TMenuItem* item) {
  item->FParent = this;
  FItems.push_back(item);
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* item = this;
  while (item->FParent)
    item = item->FParent;
  return item->FMenu;
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

std::optional<std::string> TMenuItem::GetPropertyText(const std::string& name) const {
  if (name == "Caption") return FCaption;
  if (name == "Checked") return BoolText(FChecked);
  if (name == "RadioItem") return BoolText(FRadioItem);
  if (name == "Enabled") return BoolText(FEnabled);
  if (name == "Visible") return BoolText(FVisible);
  if (name == "Count") return std::to_string(FItems.size());
  return TComponent::GetPropertyText(name);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  delete FItems;
}

void TPopupMenu::Popup(int x, int y) {
  Desktop& desktop = Application->TheDesktop();
  if (TPopupMenu* open = Application->OpenPopupMenu()) {
    Application->PopupOpened(nullptr);
    desktop.ClosePopup(*open);
  }
  Application->PopupOpened(this);
  desktop.OpenPopup(*this, x, y);
}

bool TPopupMenu::IsOpen() const {
  return Application && Application->OpenPopupMenu() == this;
}
