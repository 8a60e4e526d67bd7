#pragma once

#include "ui/Component.h"
#include "ui/Desktop.h"
#include "ui/Types.h"

#include <vector>

class TMenu;

// One item of a menu bar or popup menu; "-" as caption makes a separator.
class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  bool IsSeparator() const { return FCaption == "-"; }

  void Add(TMenuItem* item);
  const std::vector<TMenuItem*>& Items() const { return FItems; }
  TMenuItem* Parent() const { return FParent; }
  // The menu this item belongs to (through its parents).
  TMenu* Menu() const;

  TNotifyEvent OnClick;
  void Click();

  std::optional<std::string> GetPropertyText(const std::string& name) const override;

private:
  friend class TMenu;
  void Changed(Change what);

  std::string FCaption;
  bool FChecked = false;
  bool FRadioItem = false;
  bool FEnabled = true;
  bool FVisible = true;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;
};

// A menu: a root item whose children are the top-level items.
class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  TMenuItem& Items() { return *FItems; }
  const TMenuItem& Items() const { return *FItems; }

private:
  TMenuItem* FItems;
};

class TMainMenu : public TMenu {
public:
  using TMenu::TMenu;
};

// A menu that opens at a screen position and stays open until an item is chosen or it is
// dismissed; the choice is dispatched as the item's click.
class TPopupMenu : public TMenu {
public:
  using TMenu::TMenu;
  void Popup(int x, int y);
  bool IsOpen() const;
};
