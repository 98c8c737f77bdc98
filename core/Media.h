// Media files of persons: their kind by extension and how a stored name maps
// to a file. Stored names are absolute ("/...", "\...", "C:\...") or relative
// to the process-wide mediaDir; both separators are accepted in them.
#pragma once

#include <string>
#include <string_view>

// "Video", "Ton", "Bild" or "?" by the extension, ignoring its case.
std::string MediaKind(std::string_view fileName);
// True for the extensions of MediaKind "Bild".
bool IsImageFile(std::string_view fileName);
// Begins with "/" or "\", or holds ":\" (a Windows drive or share).
bool IsAbsoluteMediaName(std::string_view name);
// Empty stays empty, an absolute name stays as it is, a relative one is
// joined to mediaDir with its separators turned into mediaDir's own.
std::string MediaFullPath(std::string_view name);
// The path relative to mediaDir, with ".." steps for a file outside it; a
// path under another root (another drive) or a relative one stays as it is.
std::string MediaRelativePath(std::string_view path);
