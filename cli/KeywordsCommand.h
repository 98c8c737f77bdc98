// "ovtool keywords PROJECTFILE": empties the keyword index and builds it
// anew with the options of the project file, in one transaction, printing
// the progress in tenths and the number of keywords at the end.
#pragma once

#include <string>

int KeywordsCommand(const std::string& projectFile);
