#include "ui/Control.h"
#include "ui/Application.h"
#include "ui/Form.h"

#include <algorithm>

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  // Children first, so that the desktop never sees a child outlive its parent's peer.
  DestroyComponents();
  for (TControl* child : std::vector<TControl*>(FControls))
    child->SetParent(nullptr);
  if (FHasPeer) TheDesktop().ControlChanged(*this, Change::Destroyed);
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

Desktop& TControl::TheDesktop() {
  return Application->TheDesktop();
}

void TControl::Changed(Change what) {
  if (FHasPeer) TheDesktop().ControlChanged(*this, what);
}

void TControl::SetParent(TControl* parent) {
  if (parent == FParent) return;
  if (FParent) {
    auto& siblings = FParent->FControls;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    if (FHasPeer) {
      TheDesktop().ControlChanged(*this, Change::Destroyed);
      MarkPeers(false);
    }
  }
  FParent = parent;
  if (FParent) {
    FParent->FControls.push_back(this);
    if (FParent->FHasPeer) CreatePeers();
  }
}

void TControl::MarkPeers(bool value) {
  FHasPeer = value;
  for (TControl* child : FControls)
    child->MarkPeers(value);
}

void TControl::CreatePeers() {
  if (FHasPeer) return;
  MarkPeers(true);
  TheDesktop().ControlChanged(*this, Change::Created);
}

void TControl::SetLeft(int value) {
  SetBounds(value, FTop, FWidth, FHeight);
}
void TControl::SetTop(int value) {
  SetBounds(FLeft, value, FWidth, FHeight);
}
void TControl::SetWidth(int value) {
  SetBounds(FLeft, FTop, value, FHeight);
}
void TControl::SetHeight(int value) {
  SetBounds(FLeft, FTop, FWidth, value);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  Changed(Change::Bounds);
}

void TControl::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  Changed(Change::Visible);
}

void TControl::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  Changed(Change::Enabled);
}

void TControl::SetCaption(const std::string& value) {
  if (value == FCaption) return;
  FCaption = value;
  TextChanged();
  Changed(Change::Caption);
}

void TControl::SetFont(const TFont& value) {
  if (value == FFont) return;
  FFont = value;
  TextChanged();
  Changed(Change::Font);
}

void TControl::SetCursor(TCursor value) {
  if (value == FCursor) return;
  FCursor = value;
  Changed(Change::Cursor);
}

TForm* TControl::ParentForm() {
  TControl* control = this;
  while (control->FParent)
    control = control->FParent;
  return dynamic_cast<TForm*>(control);
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FVisible) return false;
  return true;
}

bool TControl::EnabledInTree() const {
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FEnabled) return false;
  return true;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

std::optional<std::string> TControl::GetPropertyText(const std::string& name) const {
  if (name == "Left") return std::to_string(FLeft);
  if (name == "Top") return std::to_string(FTop);
  if (name == "Width") return std::to_string(Width());
  if (name == "Height") return std::to_string(Height());
  if (name == "Visible") return BoolText(FVisible);
  if (name == "Enabled") return BoolText(FEnabled);
  if (name == "Caption") return FCaption;
  if (name == "Font.Name") return FFont.Name;
  if (name == "Font.Height") return std::to_string(FFont.Height);
  if (name == "Font.Bold") return BoolText(FFont.Bold);
  if (name == "Font.Color") return ColorText(FFont.Color);
  if (name == "Cursor") return FCursor == TCursor::crHandPoint ? "crHandPoint" : "crDefault";
  return TComponent::GetPropertyText(name);
}
