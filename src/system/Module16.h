#pragma once

#include <cstdint>
#include <string>

namespace sys {

// The 16-bit module services through which the resource probe reaches GetFreeSystemResources.
// One implementation per source of readings: the kernel's counters, a text file, a test script.
class Module16 {
public:
  virtual ~Module16() = default;
  // Loads a module by file name; returns an instance handle, or a value below 32 on failure.
  virtual std::int32_t Load(const std::string& fileName) = 0;
  // Releases a module that Load returned; a resident module stays loaded.
  virtual void Release(std::int32_t handle) = 0;
  // Looks up an exported function of a loaded module; returns its 16:16 address, 0 on failure.
  virtual std::uint32_t Lookup(std::int32_t handle, const std::string& name) = 0;
  // Calls the 16-bit function at address with one word argument; returns its word result.
  virtual std::uint16_t Call(std::uint32_t address, std::uint16_t argument) = 0;
};

// The module services in force; the program entry installs one before any window exists.
Module16& Modules16();
void SetModules16(Module16* modules);

} // namespace sys
