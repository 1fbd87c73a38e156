// Which labels of a sheet get printed, and where: fill order, start label, and grids that do
// not fit a page.
#include <gtest/gtest.h>

#include "orvano/model/enums.h"
#include "orvano/qt/print/sheet_places.h"

namespace orvano::qt::testing {
namespace {

LabelDef TwoBySix() {
  LabelDef def;
  def.SetPageFormat(ovPageFormatA4);
  def.SetCols(2);
  def.SetRows(6);
  def.SetBorderLeft(12.29);
  def.SetBorderTop(8.8);
  def.SetLabelWidth(88.9);
  def.SetLabelHeight(46.56);
  def.SetSpaceWidth(7.62);
  return def;
}

TEST(SheetPlaces, FromTheStartLabelOnInFillOrder) {
  const LabelDef def = TwoBySix();
  const auto rows = SheetPlaces(def, 3, ovLeftRight);
  ASSERT_EQ(rows.size(), 9u);
  EXPECT_EQ(rows[0].number, 3);
  EXPECT_EQ(rows[0].column, 1);
  EXPECT_EQ(rows[0].row, 1);
  EXPECT_DOUBLE_EQ(rows[0].mm.left(), 12.29 + 88.9 + 7.62);
  EXPECT_DOUBLE_EQ(rows[0].mm.top(), 8.8 + 46.56);
  EXPECT_EQ(rows[1].number, 4);
  EXPECT_EQ(rows[1].column, 0);

  // Top to bottom: label 3 is the fourth of the left column, then the column goes on.
  const auto columns = SheetPlaces(def, 3, ovTopBottom);
  ASSERT_EQ(columns.size(), 9u);
  EXPECT_EQ(columns[0].column, 0);
  EXPECT_EQ(columns[0].row, 3);
  EXPECT_EQ(columns[3].column, 1);
  EXPECT_EQ(columns[3].row, 0);
}

TEST(SheetPlaces, StartLabelOutsideTheGridPrintsTheWholeSheet) {
  const LabelDef def = TwoBySix();
  EXPECT_EQ(SheetPlaces(def, -1, ovLeftRight).size(), 12u);
  EXPECT_EQ(SheetPlaces(def, 12, ovLeftRight).size(), 12u);
}

TEST(SheetPlaces, OnlyLabelsThatStartOnThePage) {
  LabelDef def = TwoBySix();
  def.SetCols(100000);
  def.SetRows(100000);  // ten billion labels: only the page's share is listed
  const auto places = SheetPlaces(def, 0, ovLeftRight);
  EXPECT_EQ(places.size(), 3u * 7u);  // 3 columns start left of 210 mm, 7 rows above 297 mm
  EXPECT_EQ(places.back().number, 6 * 100000 + 2);

  def.SetLabelWidth(0);
  EXPECT_TRUE(SheetPlaces(def, 0, ovLeftRight).empty());
  def = TwoBySix();
  def.SetRows(0);
  EXPECT_TRUE(SheetPlaces(def, 0, ovLeftRight).empty());
}

}  // namespace
}  // namespace orvano::qt::testing
