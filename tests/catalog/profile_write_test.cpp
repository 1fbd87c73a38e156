// Writing one key: in place, appended, removed; every untouched byte kept; failures reported.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "orvano/catalog/profile_file.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

const std::string kOdd =
    "; shipped 2003\r\n"
    "loose text before any section\r\n"
    "\r\n"
    "[Avery]   \r\n"
    "  L7160 =  ;9;0;3;7\t\r\n"
    "# comment\r\n"
    "L7163=;9;0;2;7\r\n"
    "\r\n"
    "; Herma below\r\n"
    "[Herma]\r\n"
    "4360=;9;0;2;8";  // no line end at the end

TEST(ProfileWrite, ReplacesTheValueInPlaceAndKeepsEverythingElse) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", kOdd);
  ASSERT_TRUE(WritePrivateProfileString("avery", "l7160", std::string("neu"), f));
  std::string expected = kOdd;
  expected.replace(expected.find(";9;0;3;7\t"), 9, "neu");
  EXPECT_EQ(dir.Read("a.ini"), expected);
}

TEST(ProfileWrite, AppendsANewKeyAfterTheLastKeyOfItsSection) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", kOdd);
  ASSERT_TRUE(WritePrivateProfileString("Avery", "L7651", std::string("x"), f));
  ASSERT_TRUE(WritePrivateProfileString("Herma", "4361", std::string("y"), f));
  std::string expected = kOdd;
  expected.insert(expected.find("\r\n; Herma"), "L7651=x\r\n");
  expected += "\r\n4361=y";
  EXPECT_EQ(dir.Read("a.ini"), expected);
}

TEST(ProfileWrite, AppendsANewSectionAtTheEndOfTheFile) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", "[A]\r\nk=1\r\n");
  ASSERT_TRUE(WritePrivateProfileString(" Zweckform ", " 3475 ", std::string(";9"), f));
  EXPECT_EQ(dir.Read("a.ini"), "[A]\r\nk=1\r\n\r\n[Zweckform]\r\n3475=;9\r\n");
}

TEST(ProfileWrite, ANullValueRemovesTheKeyAnEmptyOneKeepsIt) {
  ScratchFolder dir;
  const auto f = dir.Write("a.ini", "[S]\r\na=1\r\nb=2\r\n");
  ASSERT_TRUE(WritePrivateProfileString("S", "a", std::string(), f));
  EXPECT_EQ(dir.Read("a.ini"), "[S]\r\na=\r\nb=2\r\n");
  ASSERT_TRUE(WritePrivateProfileString("S", "A", std::nullopt, f));
  EXPECT_EQ(dir.Read("a.ini"), "[S]\r\nb=2\r\n");
  // Removing what is not there changes nothing and is no failure.
  EXPECT_TRUE(WritePrivateProfileString("S", "zz", std::nullopt, f));
  EXPECT_TRUE(WritePrivateProfileString("S", "zz", std::nullopt, dir.File("none.ini")));
  EXPECT_EQ(dir.EntryCount(), 1u);
}

class ProfileWriteLineEnds : public ::testing::TestWithParam<const char*> {};

TEST_P(ProfileWriteLineEnds, AnExistingFileKeepsItsLineEnds) {
  ScratchFolder dir;
  const std::string nl = GetParam();
  const auto f = dir.Write("a.ini", "[A]" + nl + "k=1" + nl);
  ASSERT_TRUE(WritePrivateProfileString("A", "n", std::string("2"), f));
  ASSERT_TRUE(WritePrivateProfileString("B", "m", std::string("3"), f));
  EXPECT_EQ(dir.Read("a.ini"), "[A]" + nl + "k=1" + nl + "n=2" + nl + nl + "[B]" + nl + "m=3" + nl);
}

INSTANTIATE_TEST_SUITE_P(CrLfLfCr, ProfileWriteLineEnds, ::testing::Values("\r\n", "\n", "\r"));

TEST(ProfileWrite, KeepsPermissionsAndSymbolicLinksAndLeavesNoTemporaryFile) {
  ScratchFolder dir;
  const auto f = dir.Write("real.ini", "[S]\nk=1\n");
  ASSERT_EQ(chmod(f.c_str(), 0640), 0);
  ASSERT_EQ(symlink(f.c_str(), dir.File("link.ini").c_str()), 0);
  ASSERT_TRUE(WritePrivateProfileString("S", "k", std::string("2"), dir.File("link.ini")));
  struct stat st {};
  ASSERT_EQ(lstat(dir.File("link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(f.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(dir.Read("real.ini"), "[S]\nk=2\n");
  EXPECT_EQ(dir.EntryCount(), 2u);
}

TEST(ProfileWrite, AWriteThatCannotSucceedIsReportedAndChangesNothing) {
  ScratchFolder dir;
  const std::string before = "[S]\r\nk=1\r\n";
  const auto f = dir.Write("a.ini", before);
  EXPECT_FALSE(WritePrivateProfileString("S", "k", std::string("a\r\n[X]"), f));
  EXPECT_FALSE(WritePrivateProfileString("S", "a=b", std::string("1"), f));
  EXPECT_FALSE(WritePrivateProfileString("S", "[T]", std::string("1"), f));
  EXPECT_FALSE(WritePrivateProfileString("S]", "k", std::string("1"), f));
  EXPECT_FALSE(WritePrivateProfileString("S", "  ", std::string("1"), f));
  EXPECT_EQ(dir.Read("a.ini"), before);
  EXPECT_FALSE(WritePrivateProfileString("S", "k", std::string("1"), dir.File("no/such.ini")));
  EXPECT_FALSE(WritePrivateProfileString("S", "k", std::string("1"), dir.Path()));
  EXPECT_EQ(dir.EntryCount(), 1u);
}

}  // namespace
}  // namespace orvano::catalog
