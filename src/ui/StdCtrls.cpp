#include "ui/StdCtrls.h"
#include "ui/Form.h"

#include <cctype>

std::string StripAccelerator(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') text += '&';
      ++i;
      if (i < caption.size() && caption[i] != '&') text += caption[i];
      continue;
    }
    text += caption[i];
  }
  return text;
}

char AcceleratorOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(caption[i + 1]);
    return c < 0x80 ? static_cast<char>(std::tolower(c)) : 0;
  }
  return 0;
}

TLabel::TLabel(TComponent* owner) : TControl(owner) {}

void TLabel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustBounds();
}

std::string TLabel::DisplayText() const {
  return StripAccelerator(Caption());
}
char TLabel::Accelerator() const {
  return AcceleratorOf(Caption());
}

void TLabel::Loaded() {
  TControl::Loaded();
  AdjustBounds();
}

void TLabel::TextChanged() {
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || !IsLoaded()) return;
  Desktop& desktop = TheDesktop();
  SetBounds(FLeft, FTop, desktop.TextWidth(Font(), DisplayText()), desktop.TextHeight(Font()));
}

TButton::TButton(TComponent* owner) : TControl(owner) {}

void TButton::Click() {
  if (TForm* form = ParentForm()) form->SetModalResult(FModalResult);
  TControl::Click();
}

std::optional<std::string> TButton::GetPropertyText(const std::string& name) const {
  if (name == "Default") return BoolText(FDefault);
  if (name == "Cancel") return BoolText(FCancel);
  if (name == "ModalResult") return std::to_string(FModalResult);
  return TControl::GetPropertyText(name);
}
