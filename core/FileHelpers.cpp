#include "core/FileHelpers.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fnmatch.h>
#include <fstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>

#include "core/Clock.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Prompter.h"
#include "core/TextHelpers.h"

namespace fs = std::filesystem;

namespace {

// Walks up from path until something exists, so that queries about a file
// still to be written answer for its directory.
bool StatNearest(const std::string& path, struct stat& st) {
  fs::path p = ExpandFileName(path);
  while (!p.empty()) {
    if (::stat(p.c_str(), &st) == 0) return true;
    const fs::path parent = p.parent_path();
    if (parent == p) break;
    p = parent;
  }
  return false;
}

class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  ~TFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool CopyContents(int in, int out) {
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(in, buf, sizeof buf);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!WriteAll(out, buf, static_cast<std::size_t>(n))) return false;
  }
}

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool CommandAvailable(const std::string& command) {
  if (command.empty()) return false;
  if (command.find('/') != std::string::npos) return IsExecutableFile(command);
  const char* path = std::getenv("PATH");
  const std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t pos = 0;
  for (;;) {
    const auto end = dirs.find(':', pos);
    const std::string dir = dirs.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    if (IsExecutableFile(JoinPath(dir.empty() ? "." : dir, command))) return true;
    if (end == std::string::npos) return false;
    pos = end + 1;
  }
}

}  // namespace

std::string TempFileName() {
  // An unusable $TMPDIR falls back to /tmp rather than to the root directory.
  const char* env = std::getenv("TMPDIR");
  const std::string dir = IncludeTrailingSeparator(env && *env && DirectoryExists(env) ? env : "/tmp");
  std::string name = dir + "TMPXXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0)
    throw EInOutError("Temporäre Datei konnte in \"" + dir + "\" nicht erstellt werden: " + std::strerror(errno));
  ::close(fd);
  return name;
}

std::string BackupFileName(const std::string& base) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Now().time_since_epoch()).count();
  // One unit is 1/100000 day = 864 ms, rounded to the nearest.
  const long long units = ms >= 0 ? (ms + 432) / 864 : -((-ms + 432) / 864);
  char hex[32];
  std::snprintf(hex, sizeof hex, "%010llX", static_cast<unsigned long long>(units));
  return base + "bak" + hex;
}

bool IsRemovableBlockDevice(unsigned major, unsigned minor, const std::string& sysRoot) {
  std::error_code ec;
  fs::path device = fs::canonical(
      fs::path(sysRoot) / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor)), ec);
  if (ec) return false;
  // A partition has no flag of its own; its disk has.
  if (fs::exists(device / "partition", ec)) device = device.parent_path();
  std::ifstream flag(device / "removable");
  char c = 0;
  return flag.get(c) && c == '1';
}

bool IsExchangeableDrive(const std::string& path) {
  struct stat st {};
  if (!StatNearest(path, st)) return false;
  return IsRemovableBlockDevice(::major(st.st_dev), ::minor(st.st_dev), "/sys");
}

std::int64_t FreeDiskSpace(const std::string& path) {
  fs::path p = ExpandFileName(path);
  struct statvfs vfs {};
  for (;;) {
    if (p.empty()) return 0;
    if (::statvfs(p.c_str(), &vfs) == 0) break;
    const fs::path parent = p.parent_path();
    if (parent == p) return 0;
    p = parent;
  }
  const auto free = static_cast<std::int64_t>(vfs.f_bavail) * static_cast<std::int64_t>(vfs.f_frsize);
  return std::max<std::int64_t>(free - 8192, 0);
}

std::vector<std::string> FilesMatching(const std::string& mask) {
  const std::string dir = ExtractFilePath(mask);
  const std::string pattern = ExtractFileName(mask);
  // "Person.*" also means "Person" without an extension.
  const bool anyExtension = pattern.size() >= 2 && pattern.ends_with(".*");
  const std::string bare = anyExtension ? pattern.substr(0, pattern.size() - 2) : std::string();
  std::vector<std::string> files;
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return files;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    const int flags = FNM_NOESCAPE | FNM_CASEFOLD;
    const bool match = ::fnmatch(pattern.c_str(), name.c_str(), flags) == 0 ||
                       (anyExtension && name.find('.') == std::string::npos &&
                        ::fnmatch(bare.c_str(), name.c_str(), flags) == 0);
    if (!match) continue;
    struct stat st {};
    if (::stat((dir + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) files.push_back(dir + name);
  }
  ::closedir(d);
  std::sort(files.begin(), files.end());
  return files;
}

void DeleteFiles(const std::string& mask) {
  for (const std::string& file : FilesMatching(mask)) ::unlink(file.c_str());
}

int CopyFiles(const std::string& mask, const std::string& dir) {
  int copied = 0;
  for (const std::string& file : FilesMatching(mask))
    if (CopyFileNoOverwrite(file, JoinPath(dir, ExtractFileName(file)))) ++copied;
  return copied;
}

bool CopyFileNoOverwrite(const std::string& src, const std::string& dst) {
  TFd in(::open(src.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st {};
  if (in.get() < 0 || ::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // O_EXCL: an existing dst, even one made a moment ago by someone else, is never overwritten.
  TFd out(::open(dst.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, st.st_mode & 0777));
  if (out.get() < 0) return false;
  bool ok = CopyContents(in.get(), out.get());
  if (ok) {
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.get(), times);
  }
  if (::close(out.release()) != 0) ok = false;
  if (!ok) ::unlink(dst.c_str());
  return ok;
}

bool EnsureFileExists(const std::string& path) {
  if (FileExists(path)) return true;
  const std::string question =
      "Die Datei \"" + path + "\" wurde nicht gefunden!\n\nSie wird nun neu erstellt.";
  if (Prompter().Ask(PromptKind::Confirmation, question, PromptButtons::YesCancel) != PromptAnswer::Yes)
    return false;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0)
    throw EInOutError("Die Datei \"" + path + "\" konnte nicht erstellt werden: " + std::strerror(errno));
  ::close(fd);
  return true;
}

bool BrowserAvailable() {
  // $BROWSER is a list of commands separated by ":", each perhaps with arguments.
  if (const char* browser = std::getenv("BROWSER")) {
    const std::string list = browser;
    std::size_t pos = 0;
    while (pos <= list.size()) {
      auto end = list.find(':', pos);
      if (end == std::string::npos) end = list.size();
      const std::string entry = list.substr(pos, end - pos);
      const std::string command = entry.substr(0, entry.find(' '));
      if (CommandAvailable(command)) return true;
      pos = end + 1;
    }
  }
  return CommandAvailable("xdg-open");
}
