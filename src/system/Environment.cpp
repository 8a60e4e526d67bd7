#include "system/Environment.h"

#include <cerrno>
#include <unistd.h>
#include <vector>

namespace sys {

std::string CurrentDirectory() {
  std::vector<char> buffer(4096);
  while (!getcwd(buffer.data(), buffer.size())) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

} // namespace sys

namespace sys {

namespace {
std::vector<std::string> gArgs;
} // namespace

void SetCommandLine(std::vector<std::string> args) {
  gArgs = std::move(args);
}

std::string ParamStr(int index) {
  if (index < 1 || static_cast<std::size_t>(index) > gArgs.size()) return std::string();
  return gArgs[static_cast<std::size_t>(index) - 1];
}

} // namespace sys
