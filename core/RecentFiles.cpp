#include "core/RecentFiles.h"

#include <algorithm>

#include "core/IniFile.h"
#include "core/Paths.h"
#include "core/UserStore.h"

namespace {
const char* const kSection = "Software\\Orvelin\\FileHistory";
std::string KeyOf(int i) { return "File" + std::to_string(i + 1); }
}  // namespace

void TRecentFiles::Load() {
  files_.clear();
  const TIniFile& store = userstore::Store();
  for (int i = 0; i < kMaxEntries; ++i) {
    const std::string path = store.ReadString(kSection, KeyOf(i), "");
    if (!path.empty() && std::find(files_.begin(), files_.end(), path) == files_.end())
      files_.push_back(path);
  }
}

bool TRecentFiles::Store() const {
  TIniFile& store = userstore::Store();
  for (int i = 0; i < kMaxEntries; ++i) {
    if (i < static_cast<int>(files_.size()))
      store.WriteString(kSection, KeyOf(i), files_[static_cast<std::size_t>(i)]);
    else
      store.DeleteKey(kSection, KeyOf(i));
  }
  return userstore::Flush();
}

void TRecentFiles::Add(const std::string& path) {
  if (!FileExists(path)) return;
  std::erase(files_, path);
  files_.insert(files_.begin(), path);
  if (files_.size() > static_cast<std::size_t>(kMaxEntries)) files_.resize(kMaxEntries);
}
