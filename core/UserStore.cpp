#include "core/UserStore.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/Errors.h"
#include "core/IniFile.h"

namespace userstore {

namespace {
std::unique_ptr<TIniFile>& Instance() {
  static std::unique_ptr<TIniFile> store;
  return store;
}
}  // namespace

std::string FilePath() {
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::string(home) + "/.config";
  } else {
    base = "/tmp";
  }
  return base + "/Orvelin/Orvelin.ini";
}

TIniFile& Store() {
  auto& store = Instance();
  if (!store) store = std::make_unique<TIniFile>(FilePath());
  return *store;
}

bool Flush() {
  TIniFile& store = Store();
  if (!store.Modified()) return true;
  try {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(store.FileName()).parent_path(), ec);
    store.UpdateFile();
    return true;
  } catch (const EInOutError&) {
    return false;
  }
}

void Reset() { Instance().reset(); }

}  // namespace userstore
