#pragma once

#include "ui/Control.h"

// A horizontal bar filled in proportion to Progress within MinValue..MaxValue, with the
// percentage as centred text ("%d%%"). It repaints only when the shown percentage changes.
class TGauge : public TControl {
public:
  explicit TGauge(TComponent* owner);

  int MinValue() const { return FMinValue; }
  int MaxValue() const { return FMaxValue; }
  void SetMinValue(int value);
  void SetMaxValue(int value);
  int Progress() const { return FProgress; }
  // Clamps the value to the range.
  void SetProgress(int value);
  int PercentDone() const;
  std::string Text() const;
  TColor ForeColor() const { return FForeColor; }
  void SetForeColor(TColor value);
  TColor BackColor() const { return FBackColor; }
  bool ShowText() const { return FShowText; }

  std::optional<std::string> GetPropertyText(const std::string& name) const override;

private:
  int FMinValue = 0;
  int FMaxValue = 100;
  int FProgress = 0;
  TColor FForeColor = clBlack;
  TColor FBackColor = clWhite;
  bool FShowText = true;
};

// The common progress bar: Position within Min..Max.
class TProgressBar : public TControl {
public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  void SetRange(int min, int max);
  int Position() const { return FPosition; }
  // Clamps the value to the range.
  void SetPosition(int value);

  std::optional<std::string> GetPropertyText(const std::string& name) const override;

private:
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
};
