#include "ui/Gauge.h"

#include <algorithm>

TGauge::TGauge(TComponent* owner) : TControl(owner) {}

void TGauge::SetMinValue(int value) {
  if (value == FMinValue) return;
  int before = PercentDone();
  FMinValue = value;
  FProgress = std::max(FProgress, FMinValue);
  if (PercentDone() != before) Changed(Change::Value);
}

void TGauge::SetMaxValue(int value) {
  if (value == FMaxValue) return;
  int before = PercentDone();
  FMaxValue = value;
  FProgress = std::min(FProgress, FMaxValue);
  if (PercentDone() != before) Changed(Change::Value);
}

void TGauge::SetProgress(int value) {
  value = std::clamp(value, FMinValue, std::max(FMinValue, FMaxValue));
  if (value == FProgress) return;
  int before = PercentDone();
  FProgress = value;
  if (PercentDone() != before) Changed(Change::Value);
}

int TGauge::PercentDone() const {
  long long span = static_cast<long long>(FMaxValue) - FMinValue;
  if (span <= 0) return 0;
  return static_cast<int>((static_cast<long long>(FProgress) - FMinValue) * 100 / span);
}

std::string TGauge::Text() const {
  return std::to_string(PercentDone()) + "%";
}

void TGauge::SetForeColor(TColor value) {
  if (value == FForeColor) return;
  FForeColor = value;
  Changed(Change::Color);
}

std::optional<std::string> TGauge::GetPropertyText(const std::string& name) const {
  if (name == "Progress") return std::to_string(FProgress);
  if (name == "MinValue") return std::to_string(FMinValue);
  if (name == "MaxValue") return std::to_string(FMaxValue);
  if (name == "ForeColor") return ColorText(FForeColor);
  if (name == "BackColor") return ColorText(FBackColor);
  if (name == "PercentDone") return std::to_string(PercentDone());
  if (name == "Text") return Text();
  return TControl::GetPropertyText(name);
}

TProgressBar::TProgressBar(TComponent* owner) : TControl(owner) {}

void TProgressBar::SetRange(int min, int max) {
  if (min == FMin && max == FMax) return;
  FMin = min;
  FMax = max;
  FPosition = std::clamp(FPosition, FMin, std::max(FMin, FMax));
  Changed(Change::Value);
}

void TProgressBar::SetPosition(int value) {
  value = std::clamp(value, FMin, std::max(FMin, FMax));
  if (value == FPosition) return;
  FPosition = value;
  Changed(Change::Value);
}

std::optional<std::string> TProgressBar::GetPropertyText(const std::string& name) const {
  if (name == "Position") return std::to_string(FPosition);
  if (name == "Min") return std::to_string(FMin);
  if (name == "Max") return std::to_string(FMax);
  return TControl::GetPropertyText(name);
}
