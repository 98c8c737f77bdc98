// "ovtool info PROJECTFILE": the database's directory and the row counts of
// its eight tables, one a line with the labels of the information window.
#pragma once

#include <string>

int InfoCommand(const std::string& projectFile);
