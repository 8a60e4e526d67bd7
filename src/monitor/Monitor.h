#pragma once

#include <cstdint>

// The readings of the latest tick; one for the program's life.
struct TResourceSample {
  std::int32_t SysFree = 0;
  std::int32_t GdiFree = 0;
  std::int32_t UserFree = 0;
};

// The warning logic's flags; one for the program's life, shared by every tick.
struct TWarningState {
  bool AllowWarnings = false;
  bool Level30 = false;
  bool Level10 = false;
  bool Armed50 = false;
  bool Armed30 = false;
  bool Armed10 = false;
};

extern TResourceSample ResourceSample;
extern TWarningState WarningState;

// Both back to their process-start values (every field 0 or false).
void ResetMonitorState();
// The start-up reset: levels cleared, every threshold armed, AllowWarnings left alone.
void ResetWarningState();
