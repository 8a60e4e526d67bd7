#pragma once

#include <string>

namespace sys {

// One key of an ini file at a time, as the settings file is read and written.
class Profile {
public:
  virtual ~Profile() = default;
  // The value text of section/key in the file at path (at most 1023 characters), or the
  // default text when the file, the section or the key is missing or unreadable.
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultText, const std::string& path) = 0;
  // Sets section/key to value in the file at path, creating file, section or key as needed;
  // false when the write was refused. The file is never left half written.
  virtual bool WriteString(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& path) = 0;
};

// The profile functions in force (real files unless a test installs another).
Profile& Profiles();
void SetProfiles(Profile* profile);

} // namespace sys
