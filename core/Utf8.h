// UTF-8 helpers: the program's strings are UTF-8 throughout. Decoding never
// fails: a malformed byte reads as U+FFFD so that bad input cannot stop a caller.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// Decodes the code point at s[pos] and advances pos past it.
char32_t Next(std::string_view s, std::size_t& pos);
void Append(std::string& out, char32_t cp);
std::string FromCodePoint(char32_t cp);

// Number of code points.
std::size_t Length(std::string_view s);
// At most maxChars code points, cut at a character boundary.
std::string Truncate(std::string_view s, std::size_t maxChars);
// True when s is well-formed UTF-8.
bool IsValid(std::string_view s);
// True when s is well-formed UTF-8 and holds at least one multi-byte sequence.
bool HasMultiByte(std::string_view s);

}  // namespace utf8
