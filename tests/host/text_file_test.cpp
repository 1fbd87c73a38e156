#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "orvano/host/text_file.h"
#include "raised.h"
#include "support/scratch_folder.h"

namespace orvano::host {
namespace {

using testing::Raised;
using Lines = std::vector<std::string>;

struct TextFileTest : ::testing::Test {
  test_support::ScratchFolder dir;
  TextFileReader r;
};

TEST_F(TextFileTest, CrLfLfAndCrEachEndALineAndBytesComeBackAsStored) {
  const std::pair<std::string, Lines> cases[] = {
      {"[Avery]\r\nL7160=a;b\r\n", {"[Avery]", "L7160=a;b"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"\r\n\r\nx\n\n", {"", "", "x", ""}},
      {"\r\r\n", {"", ""}},
      {"", {}},
      {std::string("a\0b\n", 4), {std::string("a\0b", 3)}}};
  for (const auto& [bytes, lines] : cases) {
    r.Open(dir.Write("lines.txt", bytes));
    Lines read;
    while (!r.Eof()) read.push_back(r.ReadLine());
    EXPECT_EQ(read, lines) << bytes;
  }
}

TEST_F(TextFileTest, ReadingPastTheEndOrClosedAndOpenFailuresNameTheirCause) {
  EXPECT_EQ(Raised([&] { r.ReadLine(); }), ErrorKind::BadFileMode);
  r.Open(dir.Write("one.txt", "x\r\n"));
  EXPECT_EQ(r.ReadLine(), "x");
  EXPECT_EQ(Raised([&] { r.ReadLine(); }), ErrorKind::IoError);
  r.Close();
  EXPECT_EQ(Raised([&] { r.Eof(); }), ErrorKind::BadFileMode);
  r.Open(dir.Write("a.txt", "erste\n"));
  r.Open(dir.Write("b.txt", "zweite\n"));  // reopening reads the new file
  EXPECT_EQ(r.ReadLine(), "zweite");
  const std::pair<std::string, ErrorKind> failures[] = {
      {dir.File("fehlt.def"), ErrorKind::FileNotFound},
      {dir.File("kein Ordner/x.def"), ErrorKind::PathNotFound},
      {dir.File("one.txt/x.def"), ErrorKind::PathNotFound},  // a file is no folder
      {"", ErrorKind::FileNotFound},
      {dir.Path(), ErrorKind::PermissionDenied}};
  for (const auto& failure : failures)
    EXPECT_EQ(Raised([&] { r.Open(failure.first); }), failure.second) << failure.first;
  EXPECT_FALSE(r.IsOpen());
}

}  // namespace
}  // namespace orvano::host
