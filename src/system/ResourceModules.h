#pragma once

#include "system/Module16.h"

#include <memory>

namespace sys {

// The source of resource readings for this run: the file named by VELMORA_RESOURCES when that
// variable is set at all (an empty name then fails to load, as a missing file does), else the
// kernel's counters under "/".
std::unique_ptr<Module16> MakeResourceModule();

} // namespace sys
