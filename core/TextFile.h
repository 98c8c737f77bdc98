// Reading and writing the program's text files. Reading takes 1252 or UTF-8
// (see DecodeTextBytes) and any line end; writing uses 1252 with CR LF and
// falls back to UTF-8 with a byte-order mark when a character does not fit,
// so that nothing is lost. Whole-file writes go through a temporary file and
// a rename: a killed process leaves the old or the new file, never half of one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file's bytes; throws EInOutError when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// The file's text as UTF-8.
std::string ReadTextFile(const std::string& path);
// Splits at CR LF, LF or CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
std::vector<std::string> ReadTextLines(const std::string& path);

// Encodes UTF-8 text for a file: 1252 when it fits, else UTF-8 with BOM.
std::string EncodeTextFile(std::string_view utf8);
// Writes bytes atomically; throws EInOutError.
void WriteFileBytesAtomic(const std::string& path, std::string_view bytes);
// Writes lines, each ended by CR LF, with EncodeTextFile.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
