// Opening and closing the project file of a database: the two calls every
// opener (start-up, Open command, recent files, archives) goes through.
#pragma once

#include <string>

// Creates Config for path and runs its AfterOpen steps; a database already
// open must have been closed. Throws EConfiguration (nothing stays open).
void OpenProject(const std::string& path);
// CloseDatabase, then destroys Config; false when a child window refused
// to close, and the database stays open. True when none was open.
bool CloseProject();
bool ProjectOpen();
