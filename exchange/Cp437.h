// IBM PC code page 437 (GEDCOM's "IBMPC") to and from UTF-8. Every byte has a
// character; bytes below 0x20 stay control characters, not screen-font pictures.
// A character the code page cannot hold is counted, never dropped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cp437 {

char32_t CodePointOf(unsigned char byte);
// The byte of a code point, or -1.
int ByteOf(char32_t cp);

std::string ToUtf8(std::string_view bytes);
// A character 437 cannot hold becomes "&#N;" and is added to unencodable.
std::string FromUtf8(std::string_view utf8, std::vector<char32_t>* unencodable = nullptr);

}  // namespace cp437
