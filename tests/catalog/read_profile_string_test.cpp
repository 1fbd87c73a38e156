// The catalog's own read and write of one key.
#include <gtest/gtest.h>

#include "orvano/catalog/value_parse.h"
#include "temp_folder.h"

namespace orvano::catalog {
namespace {

using testing::TempFolder;

TEST(ReadProfileString, AValueIsCutToItsFirst2047Characters) {
  TempFolder dir;
  std::string value;
  for (int i = 0; i < 3000; ++i) value += static_cast<char>('a' + i % 26);
  const auto f = dir.Write("a.def", "[S]\r\nk=" + value + "\r\n");
  EXPECT_EQ(ReadProfileString(f, "S", "k", ""), value.substr(0, 2047));
  // Characters, not bytes: 3000 umlauts come back as 2047 umlauts.
  std::string umlauts;
  for (int i = 0; i < 3000; ++i) umlauts += "\xC3\xA4";
  ASSERT_TRUE(WriteProfileString(f, "S", "u", umlauts));
  EXPECT_EQ(ReadProfileString(f, "S", "u", ""), umlauts.substr(0, 2 * 2047));
}

TEST(WriteProfileString, NullRemovesTheKeyEmptyKeepsItEmpty) {
  TempFolder dir;
  const auto f = dir.File("a.usr");
  ASSERT_TRUE(WriteProfileString(f, "S", "k", std::string("1")));
  ASSERT_TRUE(WriteProfileString(f, "S", "k", std::string()));
  EXPECT_EQ(ReadProfileString(f, "S", "k", "default"), "");
  ASSERT_TRUE(WriteProfileString(f, "S", "k", std::nullopt));
  EXPECT_EQ(ReadProfileString(f, "S", "k", "default"), "default");
}

}  // namespace
}  // namespace orvano::catalog
