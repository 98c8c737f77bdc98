// "ovtool import PROJEKTDATEI DATEI.ged [Optionen]": reads a GEDCOM file into
// the database and prints what the import window would show: the file's
// information, the message list and the counts. Unknown tags keep their names.
#pragma once

#include <string>
#include <vector>

// args: the words after "import". Returns the exit status; throws EOrvelin
// (the database is then unchanged). Status 2 for arguments that do not fit.
int ImportCommand(const std::vector<std::string>& args);

// The lines of the usage text for the import command.
extern const char* const kImportUsage;
