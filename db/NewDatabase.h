// The creation of a new database: its directory and media directory, the
// helper lists, the eight tables and the project file "Orvelin.ov", asking
// before anything existing is replaced (old tables get "Alt_" names, the
// lists are kept). Nothing created is deleted when a later step stops.
#pragma once

#include <string>

// The project file of the new database, or empty when the user stopped or
// a directory could not be made (the messages have been shown then).
// Both directories must be absolute. Throws when a file cannot be written.
std::string CreateNewDatabase(const std::string& dir, const std::string& media, const std::string& title);

// Where the new-database dialog proposes to put a database of this name:
// the folder "OrvelinDaten" in the user's home directory.
std::string ProposedDatabaseDir(const std::string& name);
// The media directory proposed for a database directory: its "Media".
std::string ProposedMediaDir(const std::string& dir);
