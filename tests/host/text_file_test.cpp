#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "orvano/host/text_file.h"
#include "raised.h"

namespace orvano::host {
namespace {

using testing::Raised;
using Lines = std::vector<std::string>;

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "orvano-textfile-XXXXXX").string();
    ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  Lines ReadAll(const std::string& bytes) {
    TextFileReader r;
    r.Open(Write("lines.txt", bytes));
    Lines lines;
    while (!r.Eof()) lines.push_back(r.ReadLine());
    return lines;
  }

  std::filesystem::path dir_;
};

TEST_F(TextFileTest, CrLfLfAndCrEachEndALineAndBytesComeBackAsStored) {
  const std::pair<std::string, Lines> cases[] = {
      {"[Avery]\r\nL7160=a;b\r\n", {"[Avery]", "L7160=a;b"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"\r\n\r\nx\n\n", {"", "", "x", ""}},
      {"\r\r\n", {"", ""}},
      {"", {}},
      {"Gr\xF6\xDF"
       "e\t \r\n",
       {"Gr\xF6\xDF"
        "e\t "}},
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}}};
  for (const auto& [bytes, lines] : cases) EXPECT_EQ(ReadAll(bytes), lines) << bytes;
}

TEST_F(TextFileTest, ReadingPastTheEndOrWhenClosedIsAnError) {
  TextFileReader r;
  EXPECT_EQ(Raised([&] { r.ReadLine(); }), ErrorKind::BadFileMode);
  r.Open(Write("one.txt", "x\r\n"));
  EXPECT_EQ(r.ReadLine(), "x");
  EXPECT_EQ(Raised([&] { r.ReadLine(); }), ErrorKind::IoError);
  r.Close();
  EXPECT_EQ(Raised([&] { r.Eof(); }), ErrorKind::BadFileMode);
  // Reopening reads the new file.
  r.Open(Write("a.txt", "erste\n"));
  r.Open(Write("b.txt", "zweite\n"));
  EXPECT_EQ(r.ReadLine(), "zweite");
}

TEST_F(TextFileTest, OpenFailuresNameTheirCause) {
  TextFileReader r;
  EXPECT_EQ(Raised([&] { r.Open((dir_ / "fehlt.def").string()); }), ErrorKind::FileNotFound);
  EXPECT_EQ(Raised([&] { r.Open((dir_ / "kein Ordner" / "x.def").string()); }),
            ErrorKind::PathNotFound);
  EXPECT_EQ(Raised([&] { r.Open(""); }), ErrorKind::FileNotFound);
  EXPECT_EQ(Raised([&] { r.Open(dir_.string()); }), ErrorKind::PermissionDenied);
  EXPECT_FALSE(r.IsOpen());
  if (::geteuid() == 0) return;  // root reads every file
  const std::string path = Write("secret.def", "x");
  ::chmod(path.c_str(), 0);
  EXPECT_EQ(Raised([&] { r.Open(path); }), ErrorKind::PermissionDenied);
}

}  // namespace
}  // namespace orvano::host
