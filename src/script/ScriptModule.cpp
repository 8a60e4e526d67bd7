#include "script/ScriptModule.h"

#include <strings.h>

std::int32_t ScriptModule::Load(const std::string& fileName) {
  if (FFailLoad || strcasecmp(fileName.c_str(), "user.exe") != 0) return 2;
  return Handle;
}

std::uint32_t ScriptModule::Lookup(std::int32_t handle, const std::string& name) {
  if (FFailLookup || handle != Handle || name != "GetFreeSystemResources") return 0;
  return Address;
}

std::uint16_t ScriptModule::Call(std::uint32_t, std::uint16_t argument) {
  return argument < FReadings.size() ? FReadings[argument] : 0;
}
