// The per-user store: what the program keeps for the user rather than for a
// database (recent files, window positions). An INI file
// $XDG_CONFIG_HOME/Orvelin/Orvelin.ini (default ~/.config/Orvelin/), its
// sections named after registry keys ("Software\Orvelin\FileHistory").
// Writing never raises: a store that cannot be written is simply not kept.
#pragma once

#include <string>

class TIniFile;

namespace userstore {

std::string FilePath();
// The store, read on first use.
TIniFile& Store();
// Writes the store when it changed; false when it could not be written.
bool Flush();
// Forgets the store read, so that the next use reads it again (tests change
// XDG_CONFIG_HOME between cases).
void Reset();

}  // namespace userstore
