// Parsed files are reused while unchanged, and every change, ours or another's, is seen at once.
#include <sys/time.h>

#include <fstream>

#include <gtest/gtest.h>

#include "orvano/catalog/profile_cache.h"
#include "orvano/catalog/profile_file.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

std::string Get(const std::string& f, const std::string& k) {
  return GetPrivateProfileString("S", k, "-", 2048, f);
}

// Dates the file back, as a catalog installed long ago would be.
void MakeOld(const std::string& f) {
  const timeval old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
  ASSERT_EQ(utimes(f.c_str(), old), 0);
}

TEST(ProfileCache, AnUnchangedFileIsParsedOnce) {
  ScratchFolder dir;
  const auto f = dir.Write("a.def", "[S]\nk=1\nm=2\n");
  MakeOld(f);
  auto& cache = ProfileCache::Instance();
  EXPECT_EQ(Get(f, "k"), "1");
  const std::size_t parses = cache.ParseCount();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Get(f, "m"), "2");
  EXPECT_EQ(cache.ParseCount(), parses);
}

TEST(ProfileCache, AChangeOfTheSameSizeInPlaceIsSeenAtOnce) {
  ScratchFolder dir;
  const auto f = dir.Write("a.def", "[S]\nk=1\n");
  EXPECT_EQ(Get(f, "k"), "1");
  { std::ofstream(f, std::ios::binary | std::ios::in) << "[S]\nk=2\n"; }  // same inode, same size
  EXPECT_EQ(Get(f, "k"), "2");
}

TEST(ProfileCache, OurOwnWriteNeedsNoParseToBeReadBack) {
  ScratchFolder dir;
  const auto f = dir.Write("a.usr", "[S]\r\nk=1\r\n");
  ASSERT_TRUE(WritePrivateProfileString("S", "m", std::string("2"), f));
  auto& cache = ProfileCache::Instance();
  const std::size_t parses = cache.ParseCount();
  EXPECT_EQ(Get(f, "m"), "2");
  EXPECT_EQ(Get(f, "k"), "1");
  EXPECT_EQ(cache.ParseCount(), parses);
}

}  // namespace
}  // namespace orvano::catalog
