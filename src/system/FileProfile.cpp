#include "system/FileProfile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

// Values longer than this are cut, as the platform's profile buffer was 1024 with the NUL.
constexpr std::size_t kMaxValue = 1023;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

// The whole file, or nothing when it is missing or cannot be read (a directory, no permission).
std::optional<std::string> ReadAll(const std::string& path, int& error) {
  error = 0;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return std::nullopt;
  }
  std::string content;
  char buffer[8192];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = errno;
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return content;
}

// Where a section and a key stand in the file text, as offsets into it.
struct Location {
  bool sectionFound = false;
  bool keyFound = false;
  std::size_t valueStart = 0; // the key line's text after "=" and the blanks that follow it
  std::size_t valueEnd = 0;   // the end of the key line without its line break
  std::size_t insertAt = 0;   // just past the section's last line that is not blank
  std::string lineBreak = "\n";
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
  Location where;
  bool lineBreakSeen = false;
  bool inside = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t newline = text.find('\n', start);
    std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
    std::size_t end = newline == std::string_view::npos ? text.size() : newline;
    if (end > start && text[end - 1] == '\r') --end;
    if (!lineBreakSeen && newline != std::string_view::npos) {
      lineBreakSeen = true;
      where.lineBreak = std::string(text.substr(end, next - end));
    }
    std::string_view line = text.substr(start, end - start);
    // A byte order mark some editors put first is not part of the first line's text.
    if (start == 0 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    std::string_view body = Trim(line);
    std::size_t close = body.starts_with('[') ? body.rfind(']') : std::string_view::npos;
    if (close != std::string_view::npos) {
      if (inside) break; // only the first section of that name counts
      if (SameName(Trim(body.substr(1, close - 1)), section)) {
        inside = true;
        where.sectionFound = true;
        where.insertAt = next;
      }
    } else if (inside && !body.empty()) {
      where.insertAt = next;
      std::size_t equals = line.find('=');
      if (!where.keyFound && !body.starts_with(';') && equals != std::string_view::npos &&
          SameName(Trim(line.substr(0, equals)), key)) {
        where.keyFound = true;
        std::size_t value = static_cast<std::size_t>(line.data() - text.data()) + equals + 1;
        while (value < end && IsBlank(text[value]))
          ++value;
        where.valueStart = value;
        where.valueEnd = end;
      }
    }
    start = next;
  }
  return where;
}

// The value as the program sees it: blanks and one pair of matching quotes removed, and cut
// to the profile buffer without splitting a UTF-8 character.
std::string CleanValue(std::string_view raw) {
  std::string_view value = Trim(raw);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  if (value.size() > kMaxValue) {
    std::size_t cut = kMaxValue;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
      --cut;
    value = value.substr(0, cut);
  }
  return std::string(value);
}

// The file a write must replace: a symlink's target, so the user's link survives the rename.
std::optional<std::string> WriteTarget(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path current(path);
  for (int depth = 0; depth < 40; ++depth) {
    if (!fs::is_symlink(fs::symlink_status(current, ec))) return current.string();
    fs::path canonical = fs::canonical(current, ec);
    if (!ec) return canonical.string();
    // A dangling link: the write creates the file it points at.
    fs::path target = fs::read_symlink(current, ec);
    if (ec) return std::nullopt;
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  return std::nullopt;
}

// The permission bits a newly created file gets, read without changing the process umask.
mode_t NewFileMode() {
  mode_t mask = 022;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("Umask:")) {
      mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
      break;
    }
  }
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Replaces the file at target by text: a sibling temporary written, synced and renamed over it.
bool ReplaceFile(const std::string& target, std::string_view text, mode_t mode) {
  std::string temp = target + ".XXXXXX";
  int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The rename itself is durable only once the directory is synced; the data is safe either way.
  std::string directory = std::filesystem::path(target).parent_path().string();
  int dirFd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return true;
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::string FileProfile::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultText, const std::string& path) {
  int error = 0;
  std::optional<std::string> text = ReadAll(path, error);
  if (!text) return defaultText;
  Location where = Locate(*text, section, key);
  if (!where.keyFound) return defaultText;
  return CleanValue(
      std::string_view(*text).substr(where.valueStart, where.valueEnd - where.valueStart));
}

bool FileProfile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value, const std::string& path) {
  // A line break in any part would write lines the file never had.
  if (key.empty() || HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
    return false;
  std::optional<std::string> target = WriteTarget(path);
  if (!target) return false;

  int error = 0;
  std::optional<std::string> text = ReadAll(*target, error);
  mode_t mode = 0;
  if (text) {
    struct stat info {};
    if (::stat(target->c_str(), &info) != 0) return false;
    // A file the user made read-only stays as it is, though its directory would allow a rename.
    if (::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return false;
    mode = info.st_mode & 07777;
  } else if (error == ENOENT) {
    text.emplace();
    mode = NewFileMode();
  } else {
    return false; // an unreadable file is never replaced by one that lost its other settings
  }

  Location where = Locate(*text, section, key);
  std::string updated;
  if (where.keyFound) {
    updated.reserve(text->size() + value.size());
    updated.append(*text, 0, where.valueStart);
    updated += value;
    updated.append(*text, where.valueEnd);
  } else {
    std::size_t at = where.sectionFound ? where.insertAt : text->size();
    std::string insert;
    // The line before the insertion point may be the file's last, without a line break.
    if (at > 0 && (*text)[at - 1] != '\n') insert += where.lineBreak;
    if (!where.sectionFound) insert += "[" + section + "]" + where.lineBreak;
    insert += key + "=" + value + where.lineBreak;
    updated = text->substr(0, at) + insert + text->substr(at);
  }
  return ReplaceFile(*target, updated, mode);
}

} // namespace sys
