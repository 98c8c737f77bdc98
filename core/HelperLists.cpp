#include "core/HelperLists.h"

#include <cstdio>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/TextFile.h"

const std::array<const char*, 8> kHelperListFiles = {
    "ort.lst", "quelle.lst", "name.lst", "vorname.lst", "religion.lst", "beruf.lst", "land.lst", "selpers.lst"};

void EnsureListFiles(const std::string& dbPath) {
  for (const char* name : kHelperListFiles) {
    const std::string path = FindFileNoCase(dbPath, name);
    if (FileExists(path)) continue;
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) std::fclose(f);
  }
}

std::vector<std::string> LoadListFile(const std::string& path) {
  try {
    return ReadTextLines(path);
  } catch (const EInOutError&) {
    return {};
  }
}

std::vector<int> ReadSelectionIds(const std::string& path) {
  std::vector<int> ids;
  for (const std::string& line : LoadListFile(path)) {
    const std::string t = [&] {
      std::size_t b = line.find_first_not_of(" \t");
      std::size_t e = line.find_last_not_of(" \t");
      return b == std::string::npos ? std::string() : line.substr(b, e - b + 1);
    }();
    if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos || t.size() > 7) continue;
    const int id = std::stoi(t);
    if (id >= 1 && id <= 500000) ids.push_back(id);
  }
  return ids;
}
