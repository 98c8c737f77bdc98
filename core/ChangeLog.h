// The change log "dbLog.txt": a text file that lines are only appended to,
// each "dd.mm.yyyy hh:mm:ss" + " " + text in local time. Every line is
// flushed at once so that a killed program loses none. Lines are 1252; a
// character 1252 cannot hold is kept as "&#N;".
#pragma once

#include <cstdio>
#include <string>

class TChangeLog {
 public:
  TChangeLog() = default;
  TChangeLog(const TChangeLog&) = delete;
  TChangeLog& operator=(const TChangeLog&) = delete;
  ~TChangeLog() { Close(); }

  // Creates the file when missing, opens it for appending and writes the
  // session line. Throws EInOutError with the system's message.
  void Open(const std::string& path);
  void Close();
  // Empties the file; it stays open for appending.
  void Clear();
  void Write(const std::string& text);
  bool IsOpen() const { return file_ != nullptr; }
  const std::string& Path() const { return path_; }

  // The time stamp the lines begin with.
  static std::string TimeStamp();

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
};
