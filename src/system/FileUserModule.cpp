#include "system/FileUserModule.h"

#include <charconv>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

namespace sys {

namespace {

constexpr std::int32_t kFileNotFound = 2;
// Anything longer is not a hand-written file of three numbers.
constexpr std::size_t kMaxFileSize = 256;
constexpr std::string_view kBlanks = " \t\r\n";

} // namespace

FileUserModule::FileUserModule(std::filesystem::path file) : FFile(std::move(file)) {}

std::int32_t FileUserModule::Load(const std::string& fileName) {
  if (fileName != "user.exe" || !std::ifstream(FFile)) return kFileNotFound;
  return kUserHandle;
}

// USER.EXE stays resident for the life of the process.
void FileUserModule::Release(std::int32_t) {}

std::uint32_t FileUserModule::Lookup(std::int32_t handle, const std::string& name) {
  if (handle != kUserHandle || name != "GetFreeSystemResources" || !ReadValues()) return 0;
  return kGetFreeSystemResources;
}

std::uint16_t FileUserModule::Call(std::uint32_t address, std::uint16_t kind) {
  if (address != kGetFreeSystemResources || kind >= FLastGood.size()) return 0;
  // A file caught half-written or removed must not read as 0 % free.
  if (const auto values = ReadValues()) FLastGood[kind] = (*values)[kind];
  return FLastGood[kind];
}

std::optional<std::array<std::uint16_t, 3>> FileUserModule::ReadValues() const {
  std::ifstream in(FFile, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kMaxFileSize + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return std::nullopt;
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() > kMaxFileSize) return std::nullopt;

  std::array<std::uint16_t, 3> values{};
  std::string_view rest = text;
  for (auto& value : values) {
    const auto start = rest.find_first_not_of(kBlanks);
    if (start == std::string_view::npos) return std::nullopt;
    rest.remove_prefix(start);
    const auto word = rest.substr(0, rest.find_first_of(kBlanks));
    // from_chars takes no sign for an unsigned type and reports values above 65535.
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    rest.remove_prefix(word.size());
  }
  if (rest.find_first_not_of(kBlanks) != std::string_view::npos) return std::nullopt;
  return values;
}

} // namespace sys
