// Reading and writing one key of a profile file: name matching, trimming, quotes, defaults, line
// ends, encodings, every untouched byte kept, failures reported, the parse cache.
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>

#include "orvano/catalog/profile_cache.h"
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
bool Put(const std::string& file, const std::string& section, const std::string& key,
         std::optional<std::string> value) {
  return WritePrivateProfileString(section, key, value, file);
}

TEST(ProfileRead, NamesValuesQuotesAndDefaults) {
  ScratchFolder dir;
  const std::string text =
      "[ \tHerma Etiketten ]\r\n  4360 \t=;9;0\r\n"
      "[A]\nk=first\nK=second\n[S]\nplain = \t a b \t\n"
      "dq=  \"  a;b  \"  \nsq='x'\nmixed=\"x'\ntwice=\"\"x\"\"\n"
      "empty=\nEtikett\n; note=2\n[broken\nz=3\n[a]\nk=third\nm=later\n";
  // Names match without case and surrounding blanks; the first matching section and key win,
  // a repeated section is not searched; values are trimmed and lose one pair of matching quotes;
  // present but empty is not the default; "[broken" is no header; a default loses its trailing
  // blanks.
  const struct {
    const char *section, *key, *expected;
  } cases[] = {{"  HERMA ETIKETTEN\t", " 4360 ", ";9;0"},
               {"A", "k", "first"},
               {"A", "m", "-"},
               {"S", "plain", "a b"},
               {"S", "dq", "  a;b  "},
               {"S", "sq", "x"},
               {"S", "mixed", "\"x'"},
               {"S", "twice", "\"x\""},
               {"S", "empty", ""},
               {"S", "Etikett", "-"},
               {"S", "z", "3"}};
  for (const auto& c : cases) {
    // The first search in a file just read scans its section; later ones use its key table.
    const auto f = dir.Write("a.ini", text);
    for (int search = 0; search < 2; ++search)
      EXPECT_EQ(Get(f, c.section, c.key), c.expected) << c.key << search;
  }
  EXPECT_EQ(Get(dir.File("none.ini"), "S", "k", " d  "), " d");
}

TEST(ProfileRead, AValueIsCutToItsFirst2047Characters) {
  ScratchFolder dir;
  std::string umlauts;  // a line of megabytes is cut the same way (bad input)
  for (int i = 0; i < 3000; ++i) umlauts += "ä";
  const auto f = dir.Write("a.adr", "[S]\nu=" + umlauts + "\n");
  EXPECT_EQ(ReadProfileString(f, "S", "u", ""), umlauts.substr(0, 2 * 2047));  // characters
}

TEST(ProfileWrite, ReplacesAppendsAndRemovesKeepingEveryOtherByte) {
  ScratchFolder dir;
  const std::string odd =
      "; shipped 2003\r\nloose text before any section\r\n\r\n[Avery]   \r\n"
      "  L7160 =  ;9;0;3;7\t\r\n# comment\r\nL7163=;9;0;2;7\r\n\r\n; Herma below\r\n"
      "[Herma]\r\n4360=;9;0;2;8";  // no line end at the end
  const auto f = dir.Write("a.ini", odd);
  ASSERT_TRUE(Put(f, "avery", "l7160", "neu"));
  ASSERT_TRUE(Put(f, "Avery", "L7651", "x"));  // after the last key of its section
  ASSERT_TRUE(Put(f, "Herma", "4361", "y"));
  ASSERT_TRUE(Put(f, " Zweckform ", " 3475 ", ";9"));  // a new section at the end
  std::string expected = odd;
  expected.replace(expected.find(";9;0;3;7\t"), 9, "neu");
  expected.insert(expected.find("\r\n; Herma"), "L7651=x\r\n");
  EXPECT_EQ(dir.Read("a.ini"), expected + "\r\n4361=y\r\n\r\n[Zweckform]\r\n3475=;9\r\n");

  dir.Write("a.ini", "[S]\r\na=1\r\nb=2\r\n");
  ASSERT_TRUE(Put(f, "S", "a", ""));  // an empty value keeps the key, none removes it
  EXPECT_EQ(dir.Read("a.ini"), "[S]\r\na=\r\nb=2\r\n");
  ASSERT_TRUE(Put(f, "S", "A", std::nullopt));
  EXPECT_EQ(dir.Read("a.ini"), "[S]\r\nb=2\r\n");
  EXPECT_TRUE(Put(f, "S", "zz", std::nullopt));  // removing what is not there is no failure
  EXPECT_TRUE(Put(dir.File("none.ini"), "S", "zz", std::nullopt));
  EXPECT_EQ(dir.EntryCount(), 1u);
  // An existing file keeps its line ends, also for a new section.
  for (const std::string nl : {"\r\n", "\n", "\r"}) {
    dir.Write("a.ini", "[A]" + nl + "k=1" + nl);
    ASSERT_TRUE(Put(f, "A", "n", "2") && Put(f, "B", "m", "3"));
    EXPECT_EQ(dir.Read("a.ini"),
              "[A]" + nl + "k=1" + nl + "n=2" + nl + nl + "[B]" + nl + "m=3" + nl);
  }
}

TEST(ProfileWrite, KeepsPermissionsAndSymbolicLinksAndLeavesNoTemporaryFile) {
  ScratchFolder dir;
  const auto f = dir.Write("real.ini", "[S]\nk=1\n");
  ASSERT_EQ(chmod(f.c_str(), 0640), 0);
  ASSERT_EQ(symlink(f.c_str(), dir.File("link.ini").c_str()), 0);
  ASSERT_TRUE(Put(dir.File("link.ini"), "S", "k", "2"));
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
  const std::string before = "[M\xE4rker]\r\nk=1\r\n";  // Windows-1252
  const auto f = dir.Write("a.ini", before);
  const struct {
    const char *section, *key, *value;
  } cases[] = {{"Märker", "k", "a\r\n[X]"}, {"Märker", "a=b", "1"},
               {"Märker", "[T]", "1"},      {"S]", "k", "1"},
               {"Märker", "  ", "1"},       {"Märker", "Łódź", "1"}};
  for (const auto& c : cases) EXPECT_FALSE(Put(f, c.section, c.key, c.value)) << c.key;
  EXPECT_EQ(dir.Read("a.ini"), before);
  EXPECT_FALSE(Put(dir.File("no/such.ini"), "S", "k", "1"));
  EXPECT_FALSE(Put(dir.Path(), "S", "k", "1"));
  EXPECT_EQ(dir.EntryCount(), 1u);
  ASSERT_EQ(truncate(f.c_str(), 100 << 20), 0);  // beyond the size limit; sparse, so cheap
  EXPECT_FALSE(Put(f, "S", "k", "1"));
  EXPECT_EQ(Get(f, "Märker", "k"), "-");
}

TEST(ProfileEncoding, AFileKeepsItsEncodingAndUmlautsFoldInNames) {
  ScratchFolder dir;
  const std::string before = "[M\xE4rker]\r\nGr\xF6\xDF\x65=Fu\xDFnote f\xFCr B\xFCro\r\n";
  const auto f = dir.Write("a.def", before);
  EXPECT_EQ(Get(f, "MÄRKER", "GRÖßE"), "Fußnote für Büro");
  ASSERT_TRUE(Put(f, "Märker", "Über", "für"));
  EXPECT_EQ(dir.Read("a.def"), before + "\xDC\x62\x65r=f\xFCr\r\n");
  for (const std::string bom : {"", "\xEF\xBB\xBF"}) {  // UTF-8, with or without the mark
    const std::string head = bom + "[Märker]\nGröße=x\n";
    const auto g = dir.Write("a.adr", head);
    EXPECT_EQ(Get(g, "Märker", "Größe"), "x");
    ASSERT_TRUE(Put(g, "Märker", "Über", "€"));
    EXPECT_EQ(dir.Read("a.adr"), head + "Über=€\n");
  }
  // Text Windows-1252 lacks makes an ASCII file UTF-8; a new file is 1252 when it can be.
  const auto h = dir.Write("a.usr", "[S]\r\nk=1\r\n");
  ASSERT_TRUE(Put(h, "S", "Łódź", "ä"));
  EXPECT_EQ(dir.Read("a.usr"), "[S]\r\nk=1\r\nŁódź=ä\r\n");
  ASSERT_TRUE(Put(dir.File("b.usr"), "S", "k", "ä"));
  EXPECT_EQ(dir.Read("b.usr"), "[S]\r\nk=\xE4\r\n");
}

TEST(ProfileCache, ParsedOnceWhileUnchangedAndEveryChangeSeenAtOnce) {
  ScratchFolder dir;
  auto& cache = ProfileCache::Instance();
  const auto f = dir.Write("a.def", "[S]\nk=1\nm=2\n");
  EXPECT_EQ(Get(f, "S", "k"), "1");
  { std::ofstream(f, std::ios::binary | std::ios::in) << "[S]\nk=2\n"; }  // same inode and size
  EXPECT_EQ(Get(f, "S", "k"), "2");
  const timeval old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};  // installed long ago
  ASSERT_EQ(utimes(f.c_str(), old), 0);
  EXPECT_EQ(Get(f, "S", "k"), "2");
  const std::size_t parses = cache.ParseCount();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Get(f, "S", "m"), "2");
  EXPECT_EQ(cache.ParseCount(), parses);
}

}  // namespace
}  // namespace orvano::catalog
