#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "orvano/host/strings.h"

namespace orvano::host {
namespace {

TEST(TrimmingAndCase, BlanksOnlyAndAsciiAndLatin1LettersOnly) {
  EXPECT_EQ(Trim("  Avery Zweckform  "), "Avery Zweckform");
  EXPECT_EQ(Trim("\tA4 \t"), "\tA4 \t");
  EXPECT_EQ(LTrim("  x  "), "x  ");
  EXPECT_EQ(RTrim("  x  "), "  x");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(UCase("grüße aus köln, äöü éàç"), "GRÜßE AUS KÖLN, ÄÖÜ ÉÀÇ");
  EXPECT_EQ(LCase("ÄÖÜ ÉÀÇ ÞÐ"), "äöü éàç þð");
  // No Latin-1 partner, no letter at all, or broken bytes: untouched.
  EXPECT_EQ(UCase("ß ÿ ÷ µ €"), "ß ÿ ÷ µ €");
  EXPECT_EQ(UCase("a\xC3"
                  "b\xE4"),
            "A\xC3"
            "B\xE4");
  EXPECT_TRUE(EqualsNoCase("Größe", "GRÖßE"));
  EXPECT_FALSE(EqualsNoCase("Größe", "Grosse"));
}

TEST(CharacterCounting, LengthsAndPositionsAreCodePoints) {
  // A three- or four-byte character is one; stray bytes and the halves of an overlong form count
  // one each.
  const std::pair<const char*, size_t> lengths[] = {{"Größe", 5},
                                                    {"\xF0\x9F\x93\xA6", 1},
                                                    {"a\xFF\xC3", 3},
                                                    {"\xC0\xAF", 2},
                                                    {"\xEF\xBC\xA1", 1}};
  for (auto [text, want] : lengths) EXPECT_EQ(Len(text), want) << text;
  EXPECT_EQ(Mid("Straße 5", 4, 2), "ße");
  EXPECT_EQ(Mid("Straße", 10, 3), "");
  EXPECT_EQ(Left("Köln", 2), "Kö");
  EXPECT_EQ(ByteOffset("Köln", 2), 3u);
  EXPECT_EQ(ByteOffset("Köln", 9), 5u);
  EXPECT_TRUE(IsValidUtf8("Etikett äöü € \xF0\x9F\x93\xA6"));
  // A 1252 byte, a surrogate, above U+10FFFF, cut short.
  for (const char* bad : {"\xE4rger", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
  EXPECT_FALSE(IsAscii("A4 hoch ä"));
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripUnknownCharactersBecomeQuestionMarks) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(text));
  EXPECT_EQ(Len(text), 256u);
  EXPECT_EQ(Utf8ToCp1252(text), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80 \x84\x93\x96"), "€ „“–");
  // Characters outside the code page become question marks; U+0080 has no byte (0x80 is €).
  EXPECT_EQ(Utf8ToCp1252("Ω ≠ \xF0\x9F\x93\xA6"), "? ? ?");
  EXPECT_EQ(Utf8ToCp1252("\u0080"), "?");
  EXPECT_EQ(Utf8ToCp1252("a\xE4"
                         "b"),
            "a?b");  // a stray byte is no character
}

}  // namespace
}  // namespace orvano::host
