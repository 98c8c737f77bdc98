#include "core/ChangeLog.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <unistd.h>

#include "core/Clock.h"
#include "core/CodePage.h"
#include "core/Errors.h"

std::string TChangeLog::TimeStamp() {
  const std::time_t t = TClock::to_time_t(Now());
  std::tm tm{};
  localtime_r(&t, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, "%d.%m.%Y %H:%M:%S", &tm);
  return buf;
}

void TChangeLog::Open(const std::string& path) {
  Close();
  std::FILE* f = std::fopen(path.c_str(), "ab");
  if (!f) throw EInOutError(std::string(std::strerror(errno)));
  file_ = f;
  path_ = path;
  // The session line: the time stamp directly followed by " Neue Session".
  Write("Neue Session");
}

void TChangeLog::Close() {
  if (!file_) return;
  std::fflush(file_);
  ::fsync(fileno(file_));
  std::fclose(file_);
  file_ = nullptr;
}

void TChangeLog::Clear() {
  if (path_.empty()) return;
  Close();
  std::FILE* f = std::fopen(path_.c_str(), "wb");
  if (!f) throw EInOutError(std::string(std::strerror(errno)));
  std::fclose(f);
  file_ = std::fopen(path_.c_str(), "ab");
  if (!file_) throw EInOutError(std::string(std::strerror(errno)));
}

void TChangeLog::Write(const std::string& text) {
  if (!file_) return;
  const std::string line = cp1252::FromUtf8(TimeStamp() + " " + text) + "\r\n";
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fflush(file_);
}
