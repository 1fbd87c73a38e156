// Click areas ask their source which element a point hits.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

// Two columns of 100 x 50 pixel labels.
struct Grid : ArraySource {
  std::int64_t Count() const override { return 4; }
  ArrayElement Element(std::int64_t i) const override {
    return {static_cast<float>(i % 2) * 100, static_cast<float>(i / 2) * 50, 100, 50};
  }
  std::string ToolTip(std::int64_t i) const override {
    return std::string(1, static_cast<char>('A' + i % 2)) + std::to_string(i / 2 + 1);
  }
  std::int64_t HitTest(float x, float y) const override {
    if (x < 0 || y < 0 || x >= 200 || y >= 100) return -1;
    return static_cast<std::int64_t>(y / 50) * 2 + static_cast<std::int64_t>(x / 100);
  }
};

TEST_F(Window, ClickAtCallsTheHandlerWithTheIndexHit) {
  Grid grid;
  auto areas = form.CreateVirtualArray("lblLabel", ArrayKind::ClickAreas, {});
  std::vector<std::int64_t> clicked;
  areas->OnClick([&](std::int64_t i) { clicked.push_back(i); });
  EXPECT_EQ(form.ClickAt(*areas, 10, 10), -1);  // no source yet
  areas->SetSource(&grid);
  EXPECT_EQ(form.ClickAt(*areas, 150, 60), 3);
  EXPECT_EQ(form.ClickAt(*areas, 250, 60), -1);
  areas->SetVisible(false);
  EXPECT_EQ(form.ClickAt(*areas, 10, 10), -1);
  EXPECT_EQ(clicked, std::vector<std::int64_t>{3});
  auto& h = dynamic_cast<HeadlessVirtualArray&>(*areas);
  EXPECT_EQ(h.Element(1).left, 100);
  EXPECT_EQ(RaisedKind([&] { h.Element(4); }), "9");
}

TEST_F(Window, ShapesTakeNoClicksButShowTooltipsOfTheirSource) {
  Grid grid;
  auto shapes = form.CreateVirtualArray("shpLabelBorder", ArrayKind::Shapes, {});
  shapes->SetSource(&grid);
  EXPECT_EQ(form.ClickAt(*shapes, 10, 10), -1);
  EXPECT_EQ(dynamic_cast<HeadlessVirtualArray&>(*shapes).ToolTipAt(110, 10), "B1");
}

}  // namespace
}  // namespace orvano::host::headless::test
