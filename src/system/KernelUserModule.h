#pragma once

#include "system/Module16.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace sys {

// USER.EXE as the kernel's counters see it: GetFreeSystemResources answers from /proc and the
// process's cgroup v2 limits. The root directory stands for "/" so tests can use a fixture tree.
class KernelUserModule : public Module16 {
public:
  static constexpr std::int32_t kUserHandle = 0x1F07;
  static constexpr std::uint32_t kGetFreeSystemResources = 0x1F070112;

  explicit KernelUserModule(std::filesystem::path root = "/");

  std::int32_t Load(const std::string& fileName) override;
  void Release(std::int32_t handle) override;
  std::uint32_t Lookup(std::int32_t handle, const std::string& name) override;
  std::uint16_t Call(std::uint32_t address, std::uint16_t kind) override;

private:
  // Percent free, or nothing when the machine-wide counters cannot be read.
  // The machine's figure, lowered by each cgroup level's limit; nothing when the machine's own
  // counters cannot be read.
  using Levels = std::vector<std::filesystem::path>;
  std::optional<std::uint16_t> MemoryPercent(const Levels& levels) const;
  std::optional<std::uint16_t> TasksPercent(const Levels& levels) const;
  // The process's cgroup v2 directory and each parent up to the mount root; empty when there
  // is no cgroup v2 hierarchy to consult.
  std::vector<std::filesystem::path> CgroupLevels() const;

  std::filesystem::path FRoot;
  std::array<std::uint16_t, 3> FLastGood{100, 100, 100};
};

} // namespace sys
