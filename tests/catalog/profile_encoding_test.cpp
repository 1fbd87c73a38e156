// Windows-1252 and UTF-8 files: umlauts in section, key and value survive a read and a write,
// and a file keeps its encoding.
#include <gtest/gtest.h>

#include "orvano/catalog/profile_file.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

// "Märker", "Größe", "Fußnote für Büro" in UTF-8 and in Windows-1252.
const std::string kBrand = "M\xC3\xA4rker", kKey =
                                                "Gr\xC3\xB6\xC3\x9F"
                                                "e";
const std::string kValue = "Fu\xC3\x9Fnote f\xC3\xBCr B\xC3\xBCro";
const std::string kBrand1252 = "M\xE4rker", kKey1252 =
                                                "Gr\xF6\xDF"
                                                "e";
const std::string kValue1252 = "Fu\xDFnote f\xFCr B\xFCro";

std::string Get(const std::string& f, const std::string& s, const std::string& k) {
  return GetPrivateProfileString(s, k, "-", 2048, f);
}

TEST(ProfileEncoding, AWindows1252FileIsReadAndWrittenAsWindows1252) {
  ScratchFolder dir;
  const auto f =
      dir.Write("a.def", "[" + kBrand1252 + "]\r\n" + kKey1252 + "=" + kValue1252 + "\r\n");
  EXPECT_EQ(Get(f, kBrand, kKey), kValue);
  EXPECT_EQ(Get(f, "M\xC3\x84RKER",
                "GR\xC3\x96\xC3\x9F"
                "E"),
            kValue);  // upper-case umlauts
  ASSERT_TRUE(WritePrivateProfileString(kBrand,
                                        "\xC3\x9C"
                                        "ber",
                                        kValue, f));
  EXPECT_EQ(dir.Read("a.def"), "[" + kBrand1252 + "]\r\n" + kKey1252 + "=" + kValue1252 +
                                   "\r\n\xDC"
                                   "ber=" +
                                   kValue1252 + "\r\n");
  EXPECT_EQ(Get(f, kBrand,
                "\xC3\xBC"
                "ber"),
            kValue);
}

TEST(ProfileEncoding, AUtf8FileWithOrWithoutByteOrderMarkStaysUtf8) {
  for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
    ScratchFolder dir;
    const std::string head = bom + "[" + kBrand + "]\n" + kKey + "=" + kValue + "\n";
    const auto f = dir.Write("a.adr", head);
    EXPECT_EQ(Get(f, kBrand, kKey), kValue);
    ASSERT_TRUE(WritePrivateProfileString(kBrand,
                                          "\xC3\x9C"
                                          "ber",
                                          std::string("\xE2\x82\xAC"), f));
    EXPECT_EQ(dir.Read("a.adr"), head +
                                     "\xC3\x9C"
                                     "ber=\xE2\x82\xAC\n");
  }
}

TEST(ProfileEncoding, TextWindows1252LacksIsRefusedRatherThanMangled) {
  ScratchFolder dir;
  const std::string before = "[" + kBrand1252 + "]\r\nk=1\r\n";
  const auto f = dir.Write("a.usr", before);
  EXPECT_FALSE(WritePrivateProfileString(kBrand,
                                         "\xC5\x81\xC3\xB3"
                                         "d\xC5\xBA",
                                         std::string("1"), f));
  EXPECT_EQ(dir.Read("a.usr"), before);
}

TEST(ProfileEncoding, AnAsciiOrNewFileTakesSuchTextAsUtf8) {
  ScratchFolder dir;
  const auto f = dir.Write("a.usr", "[S]\r\nk=1\r\n");
  ASSERT_TRUE(WritePrivateProfileString("S",
                                        "\xC5\x81\xC3\xB3"
                                        "d\xC5\xBA",
                                        std::string("\xC3\xA4"), f));
  EXPECT_EQ(dir.Read("a.usr"),
            "[S]\r\nk=1\r\n\xC5\x81\xC3\xB3"
            "d\xC5\xBA=\xC3\xA4\r\n");
  EXPECT_EQ(Get(f, "s",
                "\xC5\x81\xC3\x93"
                "D\xC5\xBA"),
            "\xC3\xA4");  // ó folds to Ó
  EXPECT_EQ(Get(f, "s",
                "\xC5\x81\xC3\x93"
                "D\xC5\xB9"),
            "-");  // ź is no Latin-1 letter
  EXPECT_EQ(Get(f, "s",
                "\xC5\x81\xC3\xB3"
                "d\xC5\xBA"),
            "\xC3\xA4");
  ASSERT_TRUE(WritePrivateProfileString("S", "k", std::string("\xC3\xA4"), dir.File("b.usr")));
  EXPECT_EQ(dir.Read("b.usr"), "[S]\r\nk=\xE4\r\n");  // a new file is Windows-1252 when it can be
}

}  // namespace
}  // namespace orvano::catalog
