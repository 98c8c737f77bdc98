// "ovtool export PROJECTFILE FILE.ged [--charset ANSI|ANSEL|UTF-8] [--selected]":
// the GEDCOM export with the submitter of the project's user settings, printing
// the window's messages; status 0, 1 on failure, 2 for an unknown character set.
#pragma once

#include <string>
#include <vector>

// args: everything after "export"; false for arguments that do not fit.
bool ExportCommand(const std::vector<std::string>& args, int& status);
