// Hostile files: nothing crashes or hangs, lookups fall back, nothing already stored is lost.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "orvano/catalog/label_catalog.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/profile_file.h"
#include "orvano/host/app_path.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

std::string Get(const std::string& f, const std::string& s, const std::string& k) {
  return GetPrivateProfileString(s, k, "-", 2048, f);
}

TEST(BadInput, BinaryJunkNulBytesAndInvalidUtf8KeepEveryByte) {
  ScratchFolder dir;
  std::mt19937 rng(7);
  std::string junk(100000, '\0');
  for (char& c : junk) c = static_cast<char>(rng());
  junk.resize(junk.find_last_of("\r\n") + 1);
  constexpr char kTail[] = "[A\0B]\r\nk\0=v\0w\r\nx=\xFF\xC3(\r\n";
  junk += std::string(kTail, sizeof kTail - 1);
  const auto f = dir.Write("junk.def", junk);
  EXPECT_EQ(Get(f, std::string("A\0B", 3), std::string("k\0", 2)), std::string("v\0w", 3));
  EXPECT_EQ(Get(f, std::string("A\0B", 3), "x"), "\xC3\xBF\xC3\x83(");  // read as Windows-1252
  LabelCatalog c;
  c.LoadCatalogFile(f);
  ASSERT_TRUE(WritePrivateProfileString("Sicher", "k", std::string("v"), f));
  EXPECT_EQ(dir.Read("junk.def").substr(0, junk.size()), junk);
  EXPECT_EQ(Get(f, "Sicher", "k"), "v");
}

TEST(BadInput, LinesOfMegabytesAreReadAndTheLoaderGoesOn) {
  ScratchFolder dir;
  const auto f = dir.Write("a.def", "[S]\r\nk=;" + std::string(3 << 20, '7') + "\r\nm=2\r\n");
  EXPECT_EQ(Get(f, "S", "k").size(), 2047u);
  LabelCatalog c;
  c.LoadCatalogFile(f);
  ASSERT_EQ(c.Entries().size(), 2u);
  EXPECT_EQ(c.Entries()[0].PageFormat, 0);  // far beyond 32 bits: left at 0
  EXPECT_EQ(c.Entries()[1].Name, "m");
}

TEST(BadInput, AHugeFileIsNeitherReadNorReplaced) {
  ScratchFolder dir;
  const auto f = dir.Write("a.def", "[S]\r\nk=1\r\n");
  ASSERT_EQ(truncate(f.c_str(), 100 << 20), 0);  // sparse, so cheap
  EXPECT_EQ(Get(f, "S", "k"), "-");
  EXPECT_FALSE(WritePrivateProfileString("S", "k", std::string("2"), f));
  std::string head(10, '\0');
  std::ifstream(f, std::ios::binary).read(head.data(), 10);
  EXPECT_EQ(head, "[S]\r\nk=1\r\n");
  EXPECT_EQ(std::filesystem::file_size(f), std::uintmax_t{100} << 20);
}

TEST(BadInput, ShortLongAndOddRecords) {
  ScratchFolder app;
  app.Write("ovAdrKit.def",
            "[M]\r\nfew=d;9\r\nmany=;9;0;1;2;3;4;5;6;7;8;9;10;11\r\n"
            "odd=;NaN;Inf;-Inf;1e999;x;1,5;\"2,5\";1.000,5;;\r\n"
            "edge=;2147483647,5;-2147483648;2147483648\r\n");
  host::SetAppPath(app.Path());
  std::string d;
  std::int32_t i[4] = {-1, -1, -1, -1};
  double x[6] = {-1, -1, -1, -1, -1, -1};
  const auto look = [&](const char* name) {
    return LookupLabel("M", name, "", d, i[0], i[1], i[2], i[3], x[0], x[1], x[2], x[3], x[4],
                       x[5]);
  };
  EXPECT_EQ(look("few"), kFound);
  EXPECT_EQ((std::vector<std::int32_t>(i, i + 4)), (std::vector<std::int32_t>{9, 0, 0, 0}));
  EXPECT_EQ(look("many"), kFound);
  EXPECT_EQ(x[5], 8);
  EXPECT_EQ(look("odd"), kFound);
  EXPECT_EQ((std::vector<std::int32_t>(i, i + 4)), (std::vector<std::int32_t>{0, 0, 0, 0}));
  EXPECT_EQ((std::vector<double>(x, x + 6)), (std::vector<double>{0, 1.5, 2.5, 1000.5, 0, 0}));
  EXPECT_EQ(look("edge"), kFound);
  // 2147483647.5 rounds to the even 2147483648: too large, so those outputs keep their value.
  EXPECT_EQ((std::vector<std::int32_t>(i, i + 4)),
            (std::vector<std::int32_t>{0, -2147483647 - 1, 0, 0}));
  host::SetAppPath("");
}

}  // namespace
}  // namespace orvano::catalog
