#pragma once

#include "system/Module16.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace sys {

// USER.EXE answering from a text file of three numbers (free percent of system, GDI and USER
// resources, 0..65535 each), read afresh on every call so the warnings can be watched by
// editing the file.
class FileUserModule : public Module16 {
public:
  static constexpr std::int32_t kUserHandle = 0x1F0F;
  static constexpr std::uint32_t kGetFreeSystemResources = 0x1F0F0112;

  explicit FileUserModule(std::filesystem::path file);

  std::int32_t Load(const std::string& fileName) override;
  void Release(std::int32_t handle) override;
  std::uint32_t Lookup(std::int32_t handle, const std::string& name) override;
  std::uint16_t Call(std::uint32_t address, std::uint16_t kind) override;

private:
  // The three numbers, or nothing when the file is unreadable or not exactly three numbers.
  std::optional<std::array<std::uint16_t, 3>> ReadValues() const;

  std::filesystem::path FFile;
  std::array<std::uint16_t, 3> FLastGood{100, 100, 100};
};

} // namespace sys
