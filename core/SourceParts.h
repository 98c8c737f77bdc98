// Multi-part source fields: a field holds several sources split by the
// source separator (option 28, default ";"), a source holds levels split by
// the level separator (option 27, default ":"). Each helper takes a
// separator variable owned by the caller; an empty one is first filled from
// the option of the open database (the default without one) and stays so
// for the next calls. Parts are numbered from 1 and come back trimmed of
// blanks and control characters; an empty rest after a separator is no part.
#pragma once

#include <string>
#include <string_view>

int SourceCount(std::string_view text, std::string& separator);
std::string SourceAt(std::string_view text, int n, std::string& separator);
int LevelCount(std::string_view text, std::string& separator);
std::string LevelAt(std::string_view text, int n, std::string& separator);
// The number of leading levels equal in both texts, letter case ignored.
int CommonLevels(std::string_view text1, std::string_view text2, std::string& separator);
