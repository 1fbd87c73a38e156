// Which labels of a sheet get printed, and where: fill order, start label, and grids that do
// not fit a page.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "orvano/model/enums.h"
#include "orvano/qt/print/sheet_places.h"

namespace orvano::qt::testing {
namespace {

SheetGeometry TwoBySix() { return SheetGeometry::DefaultStock(); }

std::vector<LabelPlace> All(const SheetGeometry& g, std::int64_t start, std::int32_t direction) {
  SheetPlaces places(g, start, direction);
  const std::int64_t announced = places.Remaining();
  std::vector<LabelPlace> all;
  for (LabelPlace p; places.Next(p);) all.push_back(p);
  EXPECT_EQ(announced, static_cast<std::int64_t>(all.size()));
  return all;
}

TEST(SheetPlaces, FromTheStartLabelOnInFillOrder) {
  const SheetGeometry def = TwoBySix();
  const auto rows = All(def, 3, ovLeftRight);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_DOUBLE_EQ(rows[0].mm.left(), 12.29 + 88.9 + 7.62);
  EXPECT_DOUBLE_EQ(rows[0].mm.top(), 8.8 + 46.56);
  // Top to bottom: label 3 is the fourth of the left column, then the column goes on.
  const auto columns = All(def, 3, ovTopBottom);
  ASSERT_EQ(columns.size(), 9u);
  EXPECT_EQ(rows[0].number, 3);
  EXPECT_EQ(rows[1].number, 4);
  for (const auto& [place, column, row] :
       {std::tuple{rows[0], 1, 1}, {rows[1], 0, 2}, {columns[0], 0, 3}, {columns[3], 1, 0}}) {
    EXPECT_EQ(place.column, column);
    EXPECT_EQ(place.row, row);
  }
  EXPECT_EQ(All(def, -1, ovLeftRight).size(), 12u);  // a start outside the grid: the whole sheet
  EXPECT_EQ(All(def, 12, ovLeftRight).size(), 12u);
}

TEST(SheetPlaces, OnlyLabelsThatStartOnThePage) {
  SheetGeometry def = TwoBySix();
  def.Cols = 1000;
  def.Rows = 1000;  // a million labels: only the page's share is visited
  for (const std::int32_t direction : {ovLeftRight, ovTopBottom}) {
    const auto places = All(def, 0, direction);
    EXPECT_EQ(places.size(), 3u * 7u);  // 3 columns start left of 210 mm, 7 rows above 297 mm
    EXPECT_EQ(places.back().number, direction == ovLeftRight ? 6 * 1000 + 2 : 2 * 1000 + 6);
  }
  EXPECT_EQ(All(def, 1000 + 1, ovLeftRight).size(), 2u + 5u * 3u);  // row 1 from column 1
  def.Rows = 0;
  EXPECT_TRUE(All(def, 0, ovLeftRight).empty());
}

}  // namespace
}  // namespace orvano::qt::testing
