#pragma once

#include <cstdint>
#include <string>

// The settings file: nothing but its path, each read or write one call of the profile
// functions, so every value read is what the file holds at that moment.
class TIniFile {
public:
  explicit TIniFile(std::string fileName);
  const std::string& FileName() const { return FFileName; }

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& defaultText);
  // The default when the key is missing or its text is not an integer by TryStrToInt.
  std::int32_t ReadInteger(const std::string& section, const std::string& ident,
                           std::int32_t defaultValue);
  // True for any integer but 0.
  bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue);

  // Each throws Exception ("<path> に書き込めません") when the file refuses the write.
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& ident, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);

private:
  std::string FFileName;
};

// The integer rule of the settings file: optional leading spaces, then a decimal number with an
// optional sign, or "$"/"0x" and up to eight hex digits read as a 32-bit pattern. Returns false
// when the text is not an integer.
bool TryStrToInt(const std::string& text, std::int32_t& value);
std::int32_t StrToIntDef(const std::string& text, std::int32_t defaultValue);
