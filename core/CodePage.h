// Code page 1252, the 8-bit character set of the files the program shares
// with other programs (project file, helper lists, change log, exports).
// The five bytes 1252 leaves undefined map to the C1 code points of the same
// value and back, so reading and rewriting a file never changes its bytes.
#pragma once

#include <string>
#include <string_view>

namespace cp1252 {

std::string ToUtf8(std::string_view bytes);

// True when every character of the UTF-8 text has a 1252 byte.
bool CanEncode(std::string_view utf8);

// Encodes UTF-8 as 1252. A character 1252 cannot hold becomes a numeric
// character reference "&#N;" so that nothing is lost without a trace;
// unencodable counts them when given.
std::string FromUtf8(std::string_view utf8, int* unencodable = nullptr);

// The 1252 byte of one code point, or -1.
int ByteOf(char32_t cp);
char32_t CodePointOf(unsigned char byte);

}  // namespace cp1252

// Decodes the bytes of a text file: UTF-8 when it starts with a byte-order
// mark or is well-formed UTF-8 with non-ASCII characters, otherwise 1252.
std::string DecodeTextBytes(std::string_view bytes);
