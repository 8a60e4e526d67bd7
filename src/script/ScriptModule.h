#pragma once

#include "system/Module16.h"

#include <array>

// The resource source of a scenario: the readings it sets, and failures on demand.
class ScriptModule : public sys::Module16 {
public:
  void SetReadings(std::uint16_t sys, std::uint16_t gdi, std::uint16_t user) {
    FReadings = {sys, gdi, user};
  }
  void FailLoad() { FFailLoad = true; }
  void FailLookup() { FFailLookup = true; }
  void Heal() { FFailLoad = FFailLookup = false; }

  std::int32_t Load(const std::string& fileName) override;
  void Release(std::int32_t) override {}
  std::uint32_t Lookup(std::int32_t handle, const std::string& name) override;
  std::uint16_t Call(std::uint32_t address, std::uint16_t argument) override;

private:
  static constexpr std::int32_t Handle = 0x1F07;
  static constexpr std::uint32_t Address = 0x01170000;
  std::array<std::uint16_t, 3> FReadings{100, 100, 100};
  bool FFailLoad = false;
  bool FFailLookup = false;
};
