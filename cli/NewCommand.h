// "ovtool new DIR [--title T] [--replace]": a new, empty database in DIR
// with its project file "Orvelin.ov" and media directory DIR/media/.
// Refuses a directory that already holds a database unless replace is set.
#pragma once

#include <string>

// Prints the path of the new project file; throws EOrvelin on failure.
int NewCommand(const std::string& dir, const std::string& title, bool replace);
