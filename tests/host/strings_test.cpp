#include <gtest/gtest.h>

#include <string>

#include "orvano/host/strings.h"

namespace orvano::host {
namespace {

TEST(Trimming, RemovesBlanksOnly) {
  EXPECT_EQ(Trim("  Avery Zweckform  "), "Avery Zweckform");
  EXPECT_EQ(Trim("\tA4 \t"), "\tA4 \t");
  EXPECT_EQ(LTrim("  x  "), "x  ");
  EXPECT_EQ(RTrim("  x  "), "  x");
  EXPECT_EQ(Trim("    "), "");
}

TEST(LetterCase, AsciiAndLatin1Letters) {
  EXPECT_EQ(UCase("grüße aus köln, äöü éàç"), "GRÜßE AUS KÖLN, ÄÖÜ ÉÀÇ");
  EXPECT_EQ(LCase("ÄÖÜ ÉÀÇ ÞÐ"), "äöü éàç þð");
  // No Latin-1 partner, or no letter at all.
  EXPECT_EQ(UCase("ß ÿ ÷ µ €"), "ß ÿ ÷ µ €");
  EXPECT_EQ(LCase("× ẞ"), "× ẞ");
  // Broken bytes pass through untouched.
  EXPECT_EQ(UCase("a\xC3" "b\xE4"), "A\xC3" "B\xE4");
}

TEST(LetterCase, ComparisonIgnoresCaseOfUmlauts) {
  EXPECT_TRUE(EqualsNoCase("Größe", "GRÖßE"));
  EXPECT_TRUE(EqualsNoCase("benutzerdefiniert", "BENUTZERDEFINIERT"));
  EXPECT_FALSE(EqualsNoCase("Größe", "Grosse"));
}

TEST(CharacterCounting, CountsCodePoints) {
  EXPECT_EQ(Len("Größe"), 5u);
  EXPECT_EQ(Len("\xF0\x9F\x93\xA6"), 1u);  // a four-byte character
  EXPECT_EQ(Len("a\xFF\xC3"), 3u);         // stray bytes count one each
  EXPECT_EQ(Len("\xC0\xAF"), 2u);          // an overlong form is two stray bytes
}

TEST(CharacterCounting, PositionsAreCharacters) {
  EXPECT_EQ(Mid("Straße 5", 4, 2), "ße");
  EXPECT_EQ(Mid("Straße 5", 6), " 5");
  EXPECT_EQ(Mid("Straße", 10, 3), "");
  EXPECT_EQ(Left("Köln", 2), "Kö");
  EXPECT_EQ(ByteOffset("Köln", 2), 3u);
  EXPECT_EQ(ByteOffset("Köln", 9), 5u);
}

TEST(Utf8Checks, ValidityAndAscii) {
  EXPECT_TRUE(IsValidUtf8("Etikett äöü € \xF0\x9F\x93\xA6"));
  EXPECT_FALSE(IsValidUtf8("\xE4rger"));          // a 1252 byte
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE2\x82"));          // cut short
  EXPECT_FALSE(IsAscii("A4 hoch ä"));
}

}  // namespace
}  // namespace orvano::host
