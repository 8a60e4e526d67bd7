#pragma once

#include "ui/Control.h"

// A text label. With AutoSize its width and height follow the text; "&" marks the next
// character as the accelerator and "&&" shows a single "&".
class TLabel : public TControl {
public:
  explicit TLabel(TComponent* owner);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  // The caption as shown: accelerator marks removed.
  std::string DisplayText() const;
  // The accelerator character (lower-case ASCII), or 0.
  char Accelerator() const;

  void Loaded() override;

protected:
  void TextChanged() override;

private:
  void AdjustBounds();
  bool FAutoSize = true;
};

// A push button; pressing it sets its form's ModalResult before OnClick runs.
class TButton : public TControl {
public:
  explicit TButton(TComponent* owner);

  bool Default() const { return FDefault; }
  void SetDefault(bool value) { FDefault = value; }
  bool Cancel() const { return FCancel; }
  void SetCancel(bool value) { FCancel = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }

  void Click() override;
  std::optional<std::string> GetPropertyText(const std::string& name) const override;

private:
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

// Caption text with "&" accelerator marks removed ("&&" gives "&").
std::string StripAccelerator(const std::string& caption);
// The accelerator character of a caption (lower-case ASCII), or 0.
char AcceleratorOf(const std::string& caption);
