#include <gtest/gtest.h>

#include <string>

#include "orvano/host/strings.h"

namespace orvano::host {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string text = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(text));
  EXPECT_EQ(Len(text), 256u);
  EXPECT_EQ(Utf8ToCp1252(text), all);
}

TEST(Cp1252, UmlautsAndTheSpecialRow) {
  EXPECT_EQ(Cp1252ToUtf8("Gr\xF6\xDF" "e \xC4\xD6\xDC"), "Größe ÄÖÜ");
  EXPECT_EQ(Cp1252ToUtf8("\x80 \x84\x93\x96"), "€ „“–");
  EXPECT_EQ(Utf8ToCp1252("Größe € „Etikett“ – Š"), "Gr\xF6\xDF" "e \x80 \x84" "Etikett\x93 \x96 \x8A");
}

TEST(Cp1252, UnassignedBytesBecomeTheirControlCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("Ω ≠ \xF0\x9F\x93\xA6"), "? ? ?");
  // The control character U+0080 has no byte: 0x80 is the euro sign.
  EXPECT_EQ(Utf8ToCp1252("\u0080"), "?");
  EXPECT_EQ(Utf8ToCp1252("a\xE4" "b"), "a?b");  // a stray byte is no character
}

}  // namespace
}  // namespace orvano::host
