#include "settings/IniFile.h"

#include "system/Profile.h"
#include "ui/Exception.h"

#include <utility>

TIniFile::TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultText) {
  return sys::Profiles().GetString(section, ident, defaultText, FFileName);
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                   std::int32_t defaultValue) {
  return StrToIntDef(ReadString(section, ident, std::string()), defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident,
                           const std::string& value) {
  if (!sys::Profiles().WriteString(section, ident, value, FFileName))
    throw Exception(FFileName + " に書き込めません");
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident,
                            std::int32_t value) {
  WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

} // namespace

bool TryStrToInt(const std::string& text, std::int32_t& value) {
  std::string s = text;
  // "0x" is another spelling of "$", but only ahead of at least one more character.
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) s.replace(0, 2, "$");
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ')
    ++i;
  if (i == s.size()) return false;

  if (s[i] == '$') {
    if (++i == s.size()) return false;
    std::uint32_t built = 0;
    for (; i < s.size(); ++i) {
      int digit = HexDigit(s[i]);
      if (digit < 0 || built > 0x0FFFFFFFu) return false;
      built = built * 16 + static_cast<std::uint32_t>(digit);
    }
    value = static_cast<std::int32_t>(built); // the bit pattern, so $FFFFFFFF is -1
    return true;
  }

  bool negative = s[i] == '-';
  if (s[i] == '-' || s[i] == '+') ++i;
  if (i == s.size()) return false;
  std::int64_t built = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9' || built > 214748364) return false;
    built = built * 10 + (s[i] - '0');
  }
  if (negative) built = -built;
  if (built < INT32_MIN || built > INT32_MAX) return false;
  value = static_cast<std::int32_t>(built);
  return true;
}

std::int32_t StrToIntDef(const std::string& text, std::int32_t defaultValue) {
  std::int32_t value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}
