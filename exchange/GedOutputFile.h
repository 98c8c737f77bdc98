// The file an export writes, atomically: the bytes go to a temporary file
// beside it, which replaces the file only on Commit. A failed or cancelled
// export leaves the old file (or none), never half a file.
#pragma once

#include <memory>
#include <ostream>
#include <string>

class TGedOutputFile {
 public:
  // Creates the temporary file, with up to three attempts; throws EInOutError.
  explicit TGedOutputFile(const std::string& path);
  ~TGedOutputFile();
  TGedOutputFile(const TGedOutputFile&) = delete;
  TGedOutputFile& operator=(const TGedOutputFile&) = delete;

  // A failed write sets the stream's badbit.
  std::ostream& Stream() { return *stream_; }
  // Writes what is buffered, syncs and renames the temporary file over the
  // path; throws EInOutError (the temporary file is removed then).
  void Commit();
  const std::string& Path() const { return path_; }

 private:
  class TBuffer;
  void Discard();

  std::string path_;    // as given, for messages
  std::string target_;  // the file the name resolves to (through links)
  std::string temp_;
  std::unique_ptr<TBuffer> buffer_;
  std::unique_ptr<std::ostream> stream_;
  bool committed_ = false;
};
