#include "core/Project.h"

#include "core/Configuration.h"

void OpenProject(const std::string& path) {
  Config.reset();
  Config = std::make_unique<TConfiguration>(path);
  try {
    Config->AfterOpen();
  } catch (...) {
    // Half an opening is no opening: close what the constructor opened.
    if (Config->CloseDatabase()) Config.reset();
    throw;
  }
}

bool CloseProject() {
  if (!Config) return true;
  if (!Config->CloseDatabase()) return false;
  Config.reset();
  return true;
}

bool ProjectOpen() { return Config != nullptr; }
