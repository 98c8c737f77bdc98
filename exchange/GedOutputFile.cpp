#include "exchange/GedOutputFile.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <streambuf>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/Errors.h"

// An output buffer over a file descriptor that remembers the first error.
class TGedOutputFile::TBuffer : public std::streambuf {
 public:
  explicit TBuffer(int fd) : fd_(fd), data_(1 << 20) { setp(data_.data(), data_.data() + data_.size()); }
  ~TBuffer() override {
    if (fd_ >= 0) ::close(fd_);
  }
  int Error() const { return error_; }

  // Writes the rest, syncs and closes; the errno of the first failure or 0.
  int Finish() {
    Drain();
    if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
    if (::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    return error_;
  }

 protected:
  int_type overflow(int_type ch) override {
    if (!Drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(ch);
      pbump(1);
    }
    return traits_type::not_eof(ch);
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    if (error_ != 0) return false;
    const char* p = pbase();
    std::size_t left = static_cast<std::size_t>(pptr() - pbase());
    while (left > 0) {
      const ssize_t n = ::write(fd_, p, left);
      if (n < 0) {
        if (errno == EINTR) continue;
        error_ = errno;
        return false;
      }
      p += n;
      left -= static_cast<std::size_t>(n);
    }
    setp(data_.data(), data_.data() + data_.size());
    return true;
  }

  int fd_;
  std::vector<char> data_;
  int error_ = 0;
};

namespace {

[[noreturn]] void Failed(const std::string& path, int err) {
  throw EInOutError("Die Datei \"" + path + "\" kann nicht geschrieben werden: " + std::strerror(err));
}

}  // namespace

TGedOutputFile::TGedOutputFile(const std::string& path) : path_(path), target_(path) {
  // Write through a symbolic link to its target, and keep the file's mode.
  if (char* real = ::realpath(path.c_str(), nullptr)) {
    target_ = real;
    std::free(real);
  }
  struct stat st {};
  const bool existed = ::stat(target_.c_str(), &st) == 0;
  temp_ = target_ + ".tmp~";
  int fd = -1;
  int err = 0;
  // A file another program holds open for a moment may be free again soon.
  for (int attempt = 0; attempt < 3 && fd < 0; ++attempt) {
    if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    fd = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, existed ? (st.st_mode & 07777) : 0644);
    if (fd < 0) err = errno;
  }
  if (fd < 0) Failed(path_, err);
  buffer_ = std::make_unique<TBuffer>(fd);
  stream_ = std::make_unique<std::ostream>(buffer_.get());
}

TGedOutputFile::~TGedOutputFile() {
  if (!committed_) Discard();
}

void TGedOutputFile::Discard() {
  stream_.reset();
  buffer_.reset();
  ::unlink(temp_.c_str());
}

void TGedOutputFile::Commit() {
  stream_->flush();
  int err = buffer_->Finish();
  if (err == 0 && ::rename(temp_.c_str(), target_.c_str()) != 0) err = errno;
  if (err != 0) {
    Discard();
    committed_ = true;  // nothing left to discard
    Failed(path_, err);
  }
  committed_ = true;
}
