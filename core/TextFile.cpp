#include "core/TextFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <sstream>
#include <unistd.h>

#include "core/CodePage.h"
#include "core/Errors.h"

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInOutError("Die Datei \"" + path + "\" kann nicht gelesen werden.");
  std::ostringstream buf;
  buf << in.rdbuf();
  return buf.str();
}

std::string ReadTextFile(const std::string& path) { return DecodeTextBytes(ReadFileBytes(path)); }

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::vector<std::string> ReadTextLines(const std::string& path) {
  return SplitLines(ReadTextFile(path));
}

std::string EncodeTextFile(std::string_view text) {
  if (cp1252::CanEncode(text)) return cp1252::FromUtf8(text);
  return "\xEF\xBB\xBF" + std::string(text);
}

namespace {

[[noreturn]] void WriteFailed(const std::string& path, int err) {
  throw EInOutError("Die Datei \"" + path + "\" kann nicht geschrieben werden: " +
                    std::strerror(err));
}

// Writes all bytes to fd; returns 0 or the errno of the failure.
int WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return ::fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

void WriteFileBytesAtomic(const std::string& pathGiven, std::string_view bytes) {
  // Write through a symbolic link to its target, and keep the file's mode.
  std::string path = pathGiven;
  if (char* real = ::realpath(pathGiven.c_str(), nullptr)) {
    path = real;
    std::free(real);
  }
  struct stat st {};
  const bool existed = ::stat(path.c_str(), &st) == 0;
  const std::string tmp = path + ".tmp~";
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                        existed ? (st.st_mode & 07777) : 0644);
  if (fd < 0) {
    // A directory we may not create files in, holding a file we may write:
    // write the file in place rather than refuse.
    const int openErr = errno;
    if (!existed) WriteFailed(pathGiven, openErr);
    const int inPlace = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (inPlace < 0) WriteFailed(pathGiven, errno);
    const int err = WriteAll(inPlace, bytes);
    ::close(inPlace);
    if (err != 0) WriteFailed(pathGiven, err);
    return;
  }
  int err = WriteAll(fd, bytes);
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(tmp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) {
    ::unlink(tmp.c_str());
    WriteFailed(pathGiven, err);
  }
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  WriteFileBytesAtomic(path, EncodeTextFile(text));
}
