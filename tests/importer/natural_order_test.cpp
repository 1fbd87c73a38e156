#include "orvano/importer/natural_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvano::importer {
namespace {

TEST(NaturalOrder, NumbersByValue) {
  EXPECT_TRUE(NaturalLess("2", "10"));
  EXPECT_TRUE(NaturalLess("L7160", "L7651"));
  EXPECT_TRUE(NaturalLess("L2", "L10"));
  EXPECT_TRUE(NaturalLess("1271", "01293"));
  EXPECT_TRUE(NaturalLess("99999999999999999999998", "99999999999999999999999"));
  EXPECT_TRUE(NaturalLess("3474", "3474A"));
}

TEST(NaturalOrder, LettersWithoutCase) {
  EXPECT_TRUE(NaturalLess("apli", "Avery"));
  EXPECT_TRUE(NaturalLess("DECAdry", "Dymo"));
  EXPECT_TRUE(NaturalLess("Zweckform", "zz"));
}

TEST(NaturalOrder, IsTotalSoSortingIsRepeatable) {
  EXPECT_NE(NaturalCompare("A", "a"), 0);
  EXPECT_NE(NaturalCompare("7", "07"), 0);
  EXPECT_EQ(NaturalCompare("7", "07"), -NaturalCompare("07", "7"));
  EXPECT_EQ(NaturalCompare("x1", "x1"), 0);

  std::vector<std::string> parts = {"10", "2", "L7160", "1", "l7160", "007", "7", "A10", "a2"};
  std::vector<std::string> shuffled(parts.rbegin(), parts.rend());
  std::sort(parts.begin(), parts.end(), NaturalLess);
  std::sort(shuffled.begin(), shuffled.end(), NaturalLess);
  EXPECT_EQ(parts, shuffled);
  EXPECT_EQ(parts.front(), "1");
  EXPECT_LT(std::find(parts.begin(), parts.end(), "a2") - parts.begin(),
            std::find(parts.begin(), parts.end(), "A10") - parts.begin());
}

}  // namespace
}  // namespace orvano::importer
