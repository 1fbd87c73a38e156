// Painting only what is exposed: the grid names the labels and path segments inside a
// rectangle without walking the whole grid.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "orvano/controls/label_select/sheet_sources.h"

namespace orvano::sheet {
namespace {

Grid MakeGrid(std::int32_t cols, std::int32_t rows, bool byColumns) {
  Grid g;
  g.cols = cols;
  g.rows = rows;
  g.direction = byColumns ? ovTopBottom : ovLeftRight;
  g.placed = static_cast<std::int64_t>(cols) * rows;
  g.pitchX = g.pitchY = 10;
  g.width = g.height = 8;
  g.stroke = 2;
  return g;
}

TEST(SheetGridTest, LargestGridVisitsOnlyTheLabelsInTheRectangleBackToFront) {
  const Grid g = MakeGrid(9999, 9999, false);
  std::vector<std::int64_t> seen;
  g.VisitIn(0, 0, 100, 25, [&](std::int64_t n) { seen.push_back(n); });
  // Columns 0..9 (the tenth starts at 90) and rows 0..2 (the third starts at 20).
  ASSERT_EQ(seen.size(), 30u);
  EXPECT_EQ(seen.front(), 0);
  EXPECT_EQ(seen.back(), 2 * 9999 + 9);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(SheetGridTest, PathVisitIncludesJumpsCrossingTheRectangleFarFromTheirLabels) {
  const Grid g = MakeGrid(100, 3, false);
  const PathSource path(g);
  std::set<std::int64_t> seen;
  // Between rows 0 and 1, in the middle of the sheet: only the jump into label 100 crosses it.
  path.VisitIn(480, 7, 520, 13, [&](std::int64_t i) { seen.insert(i); });
  EXPECT_TRUE(seen.contains(99));
  EXPECT_LT(seen.size(), 40u);  // the few nearby, not all 299

  const Grid columns = MakeGrid(3, 100, true);
  const PathSource down(columns);
  seen.clear();
  down.VisitIn(7, 480, 13, 520, [&](std::int64_t i) { seen.insert(i); });
  EXPECT_TRUE(seen.contains(99));
}

TEST(SheetGridTest, WholeAreaVisitsEverySegment) {
  const Grid g = MakeGrid(3, 2, true);
  const PathSource path(g);
  std::set<std::int64_t> seen;
  path.VisitIn(-5, -5, 100, 100, [&](std::int64_t i) { seen.insert(i); });
  EXPECT_EQ(seen, (std::set<std::int64_t>{0, 1, 2, 3, 4}));
}

// A zero pitch stacks a whole axis on one spot: a rectangle over it meets every label there.
TEST(SheetGridTest, ZeroPitchStacksTheLabelsOfAnAxis) {
  for (bool stackColumns : {true, false}) {
    Grid g = MakeGrid(3, 2, false);
    (stackColumns ? g.pitchX : g.pitchY) = 0;
    std::vector<std::int64_t> seen;
    g.VisitIn(1, 1, 5, 5, [&](std::int64_t n) { seen.push_back(n); });
    EXPECT_EQ(seen, (stackColumns ? std::vector<std::int64_t>{0, 1, 2}
                                  : std::vector<std::int64_t>{0, 3}));
    seen.clear();
    g.VisitIn(stackColumns ? 9 : 1, stackColumns ? 1 : 9, 12, 12,
              [&](std::int64_t n) { seen.push_back(n); });
    EXPECT_TRUE(seen.empty());
  }
}

}  // namespace
}  // namespace orvano::sheet
