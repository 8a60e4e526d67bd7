#include "system/Module16.h"
#include "system/Profile.h"

#include <stdexcept>

namespace sys {

namespace {
Module16* gModules = nullptr;
Profile* gProfile = nullptr;
} // namespace

Module16& Modules16() {
  if (!gModules) throw std::logic_error("no 16-bit module services installed");
  return *gModules;
}

void SetModules16(Module16* modules) {
  gModules = modules;
}

Profile& Profiles() {
  if (!gProfile) throw std::logic_error("no profile functions installed");
  return *gProfile;
}

void SetProfiles(Profile* profile) {
  gProfile = profile;
}

} // namespace sys
