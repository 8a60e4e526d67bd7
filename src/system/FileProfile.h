#pragma once

#include "system/Profile.h"

namespace sys {

// The profile functions over real files: UTF-8 ini text, one key read or written per call,
// each write replacing the whole file at once so a crash never leaves it half written.
class FileProfile : public Profile {
public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultText, const std::string& path) override;
  bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& path) override;
};

} // namespace sys
