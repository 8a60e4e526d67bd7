#include "system/ResourceModules.h"

#include "system/FileUserModule.h"
#include "system/KernelUserModule.h"

#include <cstdlib>

namespace sys {

std::unique_ptr<Module16> MakeResourceModule() {
  // A set but unusable variable must show as a load failure, not quietly give kernel readings.
  if (const char* file = std::getenv("VELMORA_RESOURCES"))
    return std::make_unique<FileUserModule>(file);
  return std::make_unique<KernelUserModule>("/");
}

} // namespace sys
