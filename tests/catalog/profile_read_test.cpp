// Reading one key: name matching, value trimming and quotes, defaults, line ends.
#include <gtest/gtest.h>

#include "orvano/catalog/profile_file.h"
#include "orvano/catalog/value_parse.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

std::string Get(const std::string& file, const std::string& section, const std::string& key,
                const std::string& def = "-") {
  return GetPrivateProfileString(section, key, def, 2048, file);
}

TEST(ProfileRead, NamesMatchWithoutRegardToCaseAndSurroundingBlanks) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", "[ \tHerma Etiketten ]\r\n  4360 \t=;9;0\r\n");
  EXPECT_EQ(Get(f, "herma etiketten", "4360"), ";9;0");
  EXPECT_EQ(Get(f, "  HERMA ETIKETTEN\t", " 4360 "), ";9;0");
  EXPECT_EQ(Get(f, "Herma", "4360"), "-");
}

TEST(ProfileRead, FirstMatchingSectionAndKeyWin) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", "[A]\nk=first\nK=second\n[B]\nx=1\n[a]\nk=third\nm=later\n");
  EXPECT_EQ(Get(f, "A", "k"), "first");
  // A key only in the repeated section is not seen: the first section is the only one searched.
  EXPECT_EQ(Get(f, "A", "m"), "-");
}

TEST(ProfileRead, ValuesAreTrimmedAndLoseOnePairOfMatchingQuotes) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini",
                           "[S]\n"
                           "plain = \t a b \t\n"
                           "dq=  \"  a;b  \"  \n"
                           "sq='x'\n"
                           "mixed=\"x'\n"
                           "one=\"\n"
                           "twice=\"\"x\"\"\n"
                           "empty=\n");
  EXPECT_EQ(Get(f, "S", "plain"), "a b");
  EXPECT_EQ(Get(f, "S", "dq"), "  a;b  ");
  EXPECT_EQ(Get(f, "S", "sq"), "x");
  EXPECT_EQ(Get(f, "S", "mixed"), "\"x'");
  EXPECT_EQ(Get(f, "S", "one"), "\"");
  EXPECT_EQ(Get(f, "S", "twice"), "\"x\"");
  EXPECT_EQ(Get(f, "S", "empty"), "");  // present but empty: not the default
}

TEST(ProfileRead, MissingFileSectionOrKeyGiveTheDefaultWithoutTrailingBlanks) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", "[S]\nk=v\n");
  EXPECT_EQ(Get(dir.File("none.ini"), "S", "k", " d  "), " d");
  EXPECT_EQ(Get(f, "T", "k", "d "), "d");
  EXPECT_EQ(Get(f, "S", "x", ""), "");
}

TEST(ProfileRead, LinesWithoutEqualsAndLinesBeforeTheFirstSectionAreNoKeys) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", "top=1\n[S]\nEtikett\n; note=2\nk=v\n[broken\nz=3\n");
  EXPECT_EQ(Get(f, "S", "top"), "-");
  EXPECT_EQ(Get(f, "S", "Etikett"), "-");
  EXPECT_EQ(Get(f, "S", "k"), "v");
  // "[broken" has no "]": not a header, so z still belongs to S.
  EXPECT_EQ(Get(f, "S", "z"), "3");
}

class ProfileLineEnds : public ::testing::TestWithParam<const char*> {};

TEST_P(ProfileLineEnds, EveryLineEndIsRead) {
  ScratchFolder dir;
  const std::string nl = GetParam();
  const auto f = dir.Write("a.ini", "[A]" + nl + "k1=1" + nl + nl + "[B]" + nl + "k2=2");
  EXPECT_EQ(Get(f, "A", "k1"), "1");
  EXPECT_EQ(Get(f, "B", "k2"), "2");
  EXPECT_EQ(Get(f, "A", "k2"), "-");
}

INSTANTIATE_TEST_SUITE_P(CrLfLfCr, ProfileLineEnds, ::testing::Values("\r\n", "\n", "\r"));

TEST(ReadProfileString, AValueIsCutToItsFirst2047Characters) {
  ScratchFolder dir;
  std::string value, umlauts;
  for (int i = 0; i < 3000; ++i) value += static_cast<char>('a' + i % 26), umlauts += "\xC3\xA4";
  const auto f = dir.Write("a.adr", "[S]\nk=" + value + "\nu=" + umlauts + "\n");
  EXPECT_EQ(ReadProfileString(f, "S", "k", ""), value.substr(0, 2047));
  EXPECT_EQ(ReadProfileString(f, "S", "u", ""), umlauts.substr(0, 2 * 2047));  // characters
}

}  // namespace
}  // namespace orvano::catalog
