// Hostile files: nothing crashes or hangs, lookups fall back, nothing already stored is lost.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <gtest/gtest.h>

#include "orvano/catalog/label_catalog.h"
#include "orvano/catalog/profile_file.h"
#include "support/catalog_files.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

std::string Junk() {
  std::mt19937 rng(7);
  std::string junk(100000, '\0');
  for (char& c : junk) c = static_cast<char>(rng());
  junk.resize(junk.find_last_of("\r\n") + 1);
  constexpr char kTail[] = "[A\0B]\r\nk\0=v\0w\r\nx=\xFF\xC3(\r\n";
  return junk + std::string(kTail, sizeof kTail - 1);
}

TEST(BadInput, HostileFilesAreReadAsFarAsTheyCanBeAndNoByteIsLost) {
  const std::string junk = Junk(), nul("A\0B", 3);
  const std::string longLine = "[S]\r\nk=;" + std::string(3 << 20, '7') + "\r\nm=2\r\n";
  const struct {
    const char* what;
    std::string bytes;
    std::uintmax_t sparseSize;  // 0: as written
    std::string section, key, expected;
  } cases[] = {
      {"NUL bytes", junk, 0, nul, std::string("k\0", 2), std::string("v\0w", 3)},
      {"invalid UTF-8 read as Windows-1252", junk, 0, nul, "x", "\xC3\xBF\xC3\x83("},
      {"a line of megabytes", longLine, 0, "S", "k", ";" + std::string(2046, '7')},
      {"a huge file is neither read nor replaced", "[S]\r\nk=1\r\n", 100 << 20, "S", "k", "-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder dir;
    const auto f = dir.Write("a.def", c.bytes);
    ASSERT_EQ(c.sparseSize ? truncate(f.c_str(), c.sparseSize) : 0, 0);  // sparse, so cheap
    EXPECT_EQ(GetPrivateProfileString(c.section, c.key, "-", 2048, f), c.expected);
    LabelCatalog catalog;
    catalog.LoadCatalogFile(f);
    EXPECT_EQ(WritePrivateProfileString("Sicher", "k", std::string("v"), f), !c.sparseSize);
    std::string head(c.bytes.size(), '\0');
    std::ifstream(f, std::ios::binary).read(head.data(), c.bytes.size());
    EXPECT_EQ(head, c.bytes);
    EXPECT_TRUE(c.sparseSize ? std::filesystem::file_size(f) == c.sparseSize
                             : GetPrivateProfileString("Sicher", "k", "-", 2048, f) == "v");
  }
  ScratchFolder dir;
  LabelCatalog catalog;  // the loader goes on after a line of megabytes
  catalog.LoadCatalogFile(dir.Write("a.def", longLine));
  ASSERT_EQ(catalog.Entries().size(), 2u);
  EXPECT_EQ(catalog.Entries()[0].PageFormat, 0);  // far beyond 32 bits: left at 0
  EXPECT_EQ(catalog.Entries()[1].Name, "m");
}

}  // namespace
}  // namespace orvano::catalog
