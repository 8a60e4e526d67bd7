#pragma once

#include <cstdint>

// USER.EXE's instance handle and GetFreeSystemResources' address from the latest reading.
extern std::int32_t ModuleHandle16;
extern std::uint32_t ProcAddress16;

// Percent of free resources of a kind (0 system, 1 GDI, 2 USER) as GetFreeSystemResources
// reports it. Raises Exception when USER.EXE cannot be loaded or the function is not found.
std::uint16_t FreeResourcePercent(std::uint16_t kind);
