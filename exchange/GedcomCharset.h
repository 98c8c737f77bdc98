// The character sets a GEDCOM file may use and how to recognise them: the
// names a `1 CHAR` line may give, the byte-order mark or zero bytes at the start,
// and the declaration in the header. Pure functions over bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum class TGedCharset {
  Unbekannt,  // no declaration, or one this program does not know
  Ansel,
  Utf8,
  Unicode,  // declared "UNICODE": UTF-16 of either byte order
  Utf16LE,
  Utf16BE,
  Ascii,
  Ansi,  // Windows code page 1252
  IbmPc  // code page 437
};

// The name shown to the user: "ANSEL", "UTF-8", "ANSI (Windows-1252)", ...
std::string CharsetName(TGedCharset charset);

// The charset a CHAR value names: "ANSEL", "UTF-8", "UNICODE", "ASCII",
// "ANSI", "IBMPC", "IBM WINDOWS" and common variants; Unbekannt otherwise.
TGedCharset CharsetFromDeclaration(std::string_view value);

struct TByteOrder {
  TGedCharset charset = TGedCharset::Unbekannt;  // Unbekannt: 8-bit bytes
  std::size_t bomLength = 0;                     // 0 when found by zero bytes
};

// A UTF-8 or UTF-16 byte-order mark, or UTF-16 without one recognised by the
// zero bytes of its first characters ("0 HEAD"). Looks at up to 8 bytes.
TByteOrder DetectByteOrder(std::string_view start);

struct THeaderCharset {
  bool complete = false;  // the header has ended, or the value was found
  bool found = false;
  std::string value;  // the CHAR value as written, blanks around it cut
};

// Looks for "1 CHAR value" in the first record of the text (its characters
// above 127 do not matter). Not complete while the first record may still
// go on; final says that no more text will come.
THeaderCharset FindDeclaredCharset(std::string_view text, bool final);
