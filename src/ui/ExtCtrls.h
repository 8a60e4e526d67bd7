#pragma once

#include "ui/Component.h"
#include "ui/Types.h"

#include <cstdint>

// A timer that fires OnTimer every Interval milliseconds while Enabled. An interval of 0 never
// fires; setting the interval it already has does nothing; a new interval restarts the period.
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  std::uint32_t Interval() const { return FInterval; }
  void SetInterval(std::uint32_t value);
  void SetOnTimer(TNotifyEvent handler);
  // Running on the desktop now.
  bool Running() const { return FRunning; }
  // The order of creation: timers due at the same moment fire in this order.
  std::uint64_t Serial() const { return FSerial; }

  // Runs OnTimer; the desktop's timer message ends up here.
  void Fire();

  void Loaded() override;
  std::optional<std::string> GetPropertyText(const std::string& name) const override;

private:
  void UpdateTimer();

  bool FEnabled = true;
  std::uint32_t FInterval = 1000;
  TNotifyEvent FOnTimer;
  bool FRunning = false;
  std::uint64_t FSerial;
};
