#include "core/Paths.h"

#include "core/TextCase.h"

#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

std::string ProgramPath() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return IncludeTrailingSeparator(fs::current_path(ec).string());
  return IncludeTrailingSeparator(exe.parent_path().string());
}

std::string ExpandFileName(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ec;
  fs::path p = fs::path(path);
  if (p.is_relative()) p = fs::current_path(ec) / p;
  return p.lexically_normal().string();
}

std::string ExtractFilePath(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtractFileName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string IncludeTrailingSeparator(const std::string& dir) {
  if (!dir.empty() && dir.back() == '/') return dir;
  return dir + '/';
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FindFileNoCase(const std::string& dir, const std::string& name) {
  if (DIR* d = ::opendir(dir.c_str())) {
    std::string found;
    while (const dirent* e = ::readdir(d)) {
      if (!SameText(e->d_name, name)) continue;
      found = e->d_name;
      if (found == name) break;  // the exact spelling wins
    }
    ::closedir(d);
    if (!found.empty()) return dir + found;
  }
  return dir + name;
}
