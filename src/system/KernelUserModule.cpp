#include "system/KernelUserModule.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>
#include <utility>

namespace sys {

namespace {

namespace fs = std::filesystem;
using Count = std::uint64_t;
// Byte counts near 2^63 times 100 need more than 64 bits.
__extension__ typedef unsigned __int128 Wide;

constexpr std::int32_t kFileNotFound = 2;
constexpr std::string_view kBlanks = " \t\r\n";

std::optional<std::string> ReadFile(const fs::path& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return text.str();
}

// A whole unsigned decimal number, surrounding blanks allowed; nothing for "max" and the like.
std::optional<Count> ParseCount(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  Count value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<Count> ReadCount(const fs::path& path) {
  const auto text = ReadFile(path);
  return text ? ParseCount(*text) : std::nullopt;
}

// The number after key on the first line that starts with key ("MemTotal:", "inactive_file").
std::optional<Count> FieldOf(const std::string& text, std::string_view key) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string name, value;
    if (words >> name >> value && name == key) return ParseCount(value);
  }
  return std::nullopt;
}

Count Minus(Count a, Count b) {
  return a > b ? a - b : 0;
}

std::uint16_t Percent(Count free, Count total) {
  if (total == 0) return 0;
  if (free >= total) return 100;
  return static_cast<std::uint16_t>(static_cast<Wide>(free) * 100 / total);
}

// mountinfo writes blanks and backslashes in paths as \ooo octal escapes.
std::string Unescape(std::string_view text) {
  const auto isOctal = [&](std::size_t at) { return text[at] >= '0' && text[at] <= '7'; };
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && isOctal(i + 1) && isOctal(i + 2) &&
        isOctal(i + 3)) {
      out += static_cast<char>((text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 +
                               (text[i + 3] - '0'));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

struct Mount {
  fs::path root;  // the directory of the hierarchy that appears at the mount point
  fs::path point; // where it is mounted
};

// The first cgroup2 mount in a mountinfo text. Fields: id parent major:minor root mount-point
// options [optional fields...] - type source super-options.
std::optional<Mount> Cgroup2Mount(const std::string& mountinfo) {
  std::istringstream lines(mountinfo);
  for (std::string line; std::getline(lines, line);) {
    const auto separator = line.find(" - ");
    if (separator == std::string::npos) continue;
    std::istringstream after(line.substr(separator + 3));
    std::string type;
    if (!(after >> type) || type != "cgroup2") continue;
    std::istringstream before(line.substr(0, separator));
    std::string id, parent, device, root, point;
    if (before >> id >> parent >> device >> root >> point)
      return Mount{Unescape(root), Unescape(point)};
  }
  return std::nullopt;
}

// The cgroup v2 path from /proc/self/cgroup ("0::/path").
std::optional<fs::path> Cgroup2Path(const std::string& cgroup) {
  std::istringstream lines(cgroup);
  for (std::string line; std::getline(lines, line);)
    if (line.starts_with("0::")) return fs::path(line.substr(3));
  return std::nullopt;
}

// The fourth field of loadavg is "running/existing"; the number after '/' counts every thread.
std::optional<Count> TaskCount(const std::string& loadavg) {
  std::istringstream fields(loadavg);
  std::string load1, load5, load15, tasks;
  if (!(fields >> load1 >> load5 >> load15 >> tasks)) return std::nullopt;
  const auto slash = tasks.find('/');
  if (slash == std::string::npos) return std::nullopt;
  return ParseCount(std::string_view(tasks).substr(slash + 1));
}

const char* const kRequiredFiles[] = {"proc/meminfo", "proc/loadavg", "proc/sys/kernel/threads-max",
                                      "proc/sys/kernel/pid_max"};

} // namespace

KernelUserModule::KernelUserModule(std::filesystem::path root) : FRoot(std::move(root)) {}

std::int32_t KernelUserModule::Load(const std::string& fileName) {
  if (fileName != "user.exe") return kFileNotFound;
  for (const char* file : kRequiredFiles)
    if (!std::ifstream(FRoot / file)) return kFileNotFound;
  return kUserHandle;
}

// USER.EXE stays resident for the life of the process.
void KernelUserModule::Release(std::int32_t) {}

std::uint32_t KernelUserModule::Lookup(std::int32_t handle, const std::string& name) {
  if (handle != kUserHandle || name != "GetFreeSystemResources") return 0;
  // The machine-wide counters are what the function cannot do without; cgroup limits are
  // optional and read by each call.
  if (!MemoryPercent({}) || !TasksPercent({})) return 0;
  return kGetFreeSystemResources;
}

std::uint16_t KernelUserModule::Call(std::uint32_t address, std::uint16_t kind) {
  if (address != kGetFreeSystemResources || kind >= FLastGood.size()) return 0;
  std::optional<std::uint16_t> fresh;
  const Levels levels = CgroupLevels();
  if (kind == 1) {
    fresh = MemoryPercent(levels);
  } else if (kind == 2) {
    fresh = TasksPercent(levels);
  } else if (const auto memory = MemoryPercent(levels), tasks = TasksPercent(levels);
             memory && tasks) {
    fresh = std::min(*memory, *tasks);
  }
  // A counter that cannot be read now is no reason to report the machine as exhausted.
  if (fresh) FLastGood[kind] = *fresh;
  return FLastGood[kind];
}

std::optional<std::uint16_t> KernelUserModule::MemoryPercent(const Levels& levels) const {
  const auto meminfo = ReadFile(FRoot / "proc/meminfo");
  if (!meminfo) return std::nullopt;
  const auto total = FieldOf(*meminfo, "MemTotal:");
  const auto available = FieldOf(*meminfo, "MemAvailable:");
  if (!total || !available || *total == 0) return std::nullopt;
  std::uint16_t lowest = Percent(*available, *total);
  for (const auto& level : levels) {
    const auto limit = ReadCount(level / "memory.max");
    const auto current = ReadCount(level / "memory.current");
    if (!limit || !current) continue;
    // Inactive page cache can be reclaimed before the limit bites, so it does not count as used.
    const auto stat = ReadFile(level / "memory.stat");
    const Count inactive = stat ? FieldOf(*stat, "inactive_file").value_or(0) : 0;
    lowest = std::min(lowest, Percent(Minus(*limit, Minus(*current, inactive)), *limit));
  }
  return lowest;
}

std::optional<std::uint16_t> KernelUserModule::TasksPercent(const Levels& levels) const {
  const auto loadavg = ReadFile(FRoot / "proc/loadavg");
  const auto threadsMax = ReadCount(FRoot / "proc/sys/kernel/threads-max");
  const auto pidMax = ReadCount(FRoot / "proc/sys/kernel/pid_max");
  if (!loadavg || !threadsMax || !pidMax || *threadsMax == 0 || *pidMax == 0) return std::nullopt;
  const auto tasks = TaskCount(*loadavg);
  if (!tasks) return std::nullopt;
  // Thread ids come from the pid space, which never hands out pid_max itself.
  const Count limit = std::min(*threadsMax, *pidMax - 1);
  std::uint16_t lowest = Percent(Minus(limit, *tasks), limit);
  for (const auto& level : levels) {
    const auto max = ReadCount(level / "pids.max");
    const auto current = ReadCount(level / "pids.current");
    if (max && current) lowest = std::min(lowest, Percent(Minus(*max, *current), *max));
  }
  return lowest;
}

std::vector<std::filesystem::path> KernelUserModule::CgroupLevels() const {
  const auto mountinfo = ReadFile(FRoot / "proc/self/mountinfo");
  const auto cgroup = ReadFile(FRoot / "proc/self/cgroup");
  if (!mountinfo || !cgroup) return {};
  const auto mount = Cgroup2Mount(*mountinfo);
  const auto path = Cgroup2Path(*cgroup);
  if (!mount || !path) return {};
  // Only the part of the path below the mounted root is visible under the mount point.
  const auto below = path->lexically_normal().lexically_relative(mount->root);
  if (below.empty() || *below.begin() == "..") return {};
  std::vector<fs::path> levels{FRoot / mount->point.relative_path()};
  for (const auto& part : below)
    if (part != "." && !part.empty()) levels.push_back(levels.back() / part);
  return levels;
}

} // namespace sys
