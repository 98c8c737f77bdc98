// File-system paths. A directory path "ends in the separator" ('/').
// ProgramPath is the directory of the running program file.
#pragma once

#include <string>

std::string ProgramPath();
// The absolute form of a path, resolved against the current directory.
std::string ExpandFileName(const std::string& path);
// The directory part of a path, ending in the separator ("" when none).
std::string ExtractFilePath(const std::string& path);
std::string ExtractFileName(const std::string& path);
std::string IncludeTrailingSeparator(const std::string& dir);
bool FileExists(const std::string& path);
// The path of name in dir as it is spelt there, found without regard to case
// (databases copied from Windows spell "Person.DB" as they like); dir + name
// when there is no such file.
std::string FindFileNoCase(const std::string& dir, const std::string& name);
bool DirectoryExists(const std::string& path);
