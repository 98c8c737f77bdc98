// The helper list files of a database directory: seven lists of entries for
// the drop-down fields (places, sources, ...) and the selection file.
#pragma once

#include <array>
#include <string>
#include <vector>

// In the order they are created.
extern const std::array<const char*, 8> kHelperListFiles;

// Creates every missing one empty; a file that cannot be created is skipped.
void EnsureListFiles(const std::string& dbPath);
// The lines of a list file; a missing or unreadable file gives no lines.
std::vector<std::string> LoadListFile(const std::string& path);
// The ids of a selection file: each line trimmed, only integers from 1 to
// 500000 taken.
std::vector<int> ReadSelectionIds(const std::string& path);
