#include "monitor/FreeRes.h"

#include "system/Module16.h"
#include "ui/Exception.h"

std::int32_t ModuleHandle16 = 0;
std::uint32_t ProcAddress16 = 0;

namespace {
// Receives the previous handle's low word on every reading; nothing reads it back.
std::uint16_t ScratchWord = 0;
} // namespace

std::uint16_t FreeResourcePercent(std::uint16_t kind) {
  ScratchWord = static_cast<std::uint16_t>(ModuleHandle16);
  auto& modules = sys::Modules16();
  ModuleHandle16 = modules.Load("user.exe");
  if (ModuleHandle16 < 32) throw Exception("Cannot load USER.EXE");
  // USER.EXE is always resident, so the handle stays good after the release.
  modules.Release(ModuleHandle16);
  ProcAddress16 = modules.Lookup(ModuleHandle16, "GetFreeSystemResources");
  if (ProcAddress16 == 0) throw Exception("Cannot get address of GetFreeSystemResources");
  return modules.Call(ProcAddress16, kind);
}
