// ANSEL (ANSI Z39.47 with the GEDCOM additions) to and from UTF-8. ANSEL puts
// a diacritic before its letter, Unicode after it: marks are moved and composed
// (NFC) where a letter exists. Undefined bytes and unencodable characters are counted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ansel {

// The character of a spacing byte (ASCII or 0xA1..0xCF), or 0 when the byte
// is undefined or a combining mark.
char32_t CodePointOf(unsigned char byte);
// The combining mark of a byte 0xE0..0xFE, or 0.
char32_t MarkOf(unsigned char byte);
// The ANSEL byte of a spacing character or of a mark, or -1.
int ByteOf(char32_t cp);

// Decodes byte by byte, so that a stream can be fed in pieces; the marks
// that wait for their letter are kept between calls.
class TAnselDecoder {
 public:
  enum TResult { kOk, kUndefined, kLooseMark };
  // Appends what the byte completes. kUndefined: the byte is not ANSEL (it
  // reads as U+FFFD); kLooseMark: marks stood before a control character
  // and were written without a letter.
  TResult Put(unsigned char byte, std::string& out);
  // Writes marks that found no letter (end of the text).
  TResult Flush(std::string& out);

 private:
  void Emit(char32_t base, std::string& out);
  std::vector<char32_t> marks_;
};

// Whole-text decoding; the offsets of undefined bytes are collected when asked.
std::string ToUtf8(std::string_view bytes, std::vector<std::size_t>* undefinedAt = nullptr);
// Encodes UTF-8 as ANSEL. A character ANSEL cannot hold becomes "&#N;" and
// is added to unencodable when given.
std::string FromUtf8(std::string_view utf8, std::vector<char32_t>* unencodable = nullptr);
bool CanEncode(std::string_view utf8);

}  // namespace ansel
