#include <gtest/gtest.h>

#include <set>

#include "core/Utf8.h"
#include "exchange/Cp437.h"

namespace {
char32_t First(const char* s) {
  std::size_t pos = 0;
  return utf8::Next(s, pos);
}
}  // namespace

TEST(Cp437Test, DecodesTheLettersAndSigns) {
  const struct {
    unsigned char byte;
    const char* utf8;
  } cases[] = {{0x81, "ü"}, {0x84, "ä"}, {0x94, "ö"}, {0x8E, "Ä"}, {0x99, "Ö"}, {0x9A, "Ü"},
               {0xE1, "ß"}, {0x82, "é"}, {0x80, "Ç"}, {0xA4, "ñ"}, {0xA5, "Ñ"}, {0x9C, "£"},
               {0xF8, "°"}, {0xAB, "½"}, {0xB0, "░"}, {0xC9, "╔"}, {0xE0, "α"}, {0xFF, "\u00A0"}};
  for (const auto& c : cases) {
    EXPECT_EQ(cp437::ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8) << int(c.byte);
    EXPECT_EQ(cp437::ByteOf(First(c.utf8)), c.byte) << c.utf8;
  }
  EXPECT_EQ(cp437::ToUtf8("M\x81ller, Fr\x82mont"), "Müller, Frémont");
}

TEST(Cp437Test, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = cp437::ToUtf8(all);
  std::vector<char32_t> missing;
  EXPECT_EQ(cp437::FromUtf8(text, &missing), all);
  EXPECT_TRUE(missing.empty());
  std::set<char32_t> high;
  for (int b = 0x80; b < 256; ++b) high.insert(cp437::CodePointOf(static_cast<unsigned char>(b)));
  EXPECT_EQ(high.size(), 128u) << "two bytes share a character";
}

TEST(Cp437Test, ReportsWhatItCannotEncode) {
  std::vector<char32_t> missing;
  EXPECT_EQ(cp437::FromUtf8("5 € für Łukasz", &missing), "5 &#8364; f\x81r &#321;ukasz");
  EXPECT_EQ(missing, (std::vector<char32_t>{0x20AC, 0x0141}));
}
