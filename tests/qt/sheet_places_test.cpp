// Which labels of a sheet get printed: a start label outside the grid, and grids that do not fit
// a page.
#include <gtest/gtest.h>

#include <vector>

#include "orvano/model/enums.h"
#include "orvano/qt/print/sheet_places.h"

namespace orvano::qt::testing {
namespace {

std::vector<LabelPlace> All(const SheetGeometry& g, std::int64_t start, std::int32_t direction) {
  SheetPlaces places(g, start, direction);
  const std::int64_t announced = places.Remaining();
  std::vector<LabelPlace> all;
  for (LabelPlace p; places.Next(p);) all.push_back(p);
  EXPECT_EQ(announced, static_cast<std::int64_t>(all.size()));
  return all;
}

// The fill order and the places themselves show in the printed PDFs (label_printer_test).
TEST(SheetPlaces, OnlyLabelsThatStartOnThePageFromAStartInsideTheGrid) {
  SheetGeometry def = SheetGeometry::DefaultStock();
  EXPECT_EQ(All(def, -1, ovLeftRight).size(), 12u);  // a start outside the grid: the whole sheet
  EXPECT_EQ(All(def, 12, ovLeftRight).size(), 12u);
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
