#include "ui/ExtCtrls.h"
#include "ui/Application.h"

namespace {
std::uint64_t gNextSerial = 0;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner), FSerial(gNextSerial++) {}

TTimer::~TTimer() {
  if (FRunning && Application) Application->TheDesktop().StopTimer(*this);
}

void TTimer::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateTimer();
}

void TTimer::SetInterval(std::uint32_t value) {
  if (value == FInterval) return;
  FInterval = value;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  FOnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  // Components that are still being built wait for Loaded.
  if (!IsLoaded() && Owner() && !Owner()->IsLoaded()) return;
  Desktop& desktop = Application->TheDesktop();
  if (FRunning) {
    desktop.StopTimer(*this);
    FRunning = false;
  }
  if (FEnabled && FInterval != 0 && FOnTimer) {
    FRunning = true;
    desktop.StartTimer(*this);
  }
}

void TTimer::Fire() {
  if (FOnTimer) FOnTimer(this);
}

std::optional<std::string> TTimer::GetPropertyText(const std::string& name) const {
  if (name == "Enabled") return BoolText(FEnabled);
  if (name == "Interval") return std::to_string(FInterval);
  return TComponent::GetPropertyText(name);
}
