// The five project files opened last, newest first, kept in the per-user
// store under "Software\Orvelin\FileHistory" as File1 (newest) to File5.
#pragma once

#include <string>
#include <vector>

class TRecentFiles {
 public:
  static constexpr int kMaxEntries = 5;

  void Load();
  // Writes the list to the store; false when the store could not be written.
  bool Store() const;
  // Puts path at the top; an equal entry further down is dropped, a sixth
  // entry drops the oldest. A path that does not exist is not added.
  void Add(const std::string& path);
  const std::vector<std::string>& Files() const { return files_; }
  // The newest entry, or empty.
  std::string MostRecent() const { return files_.empty() ? std::string() : files_.front(); }

 private:
  std::vector<std::string> files_;
};
