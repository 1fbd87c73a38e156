// A click on a virtual array of click areas hits the element its source names, in the scale unit
// of the container, and an element's tooltip comes from the source.
#include <QHelpEvent>
#include <QToolTip>

#include "form_fixture.h"
#include "orvano/host/widget_array.h"

namespace orvano::qt::testing {
namespace {

// A grid of cells, 3 columns wide, numbered row by row.
class Grid : public host::ArraySource {
 public:
  Grid(float cell, std::int64_t count) : cell_(cell), count_(count) {}
  std::int64_t Count() const override { return count_; }
  host::ArrayElement Element(std::int64_t i) const override {
    host::ArrayElement e;
    e.left = static_cast<float>(i % 3) * cell_;
    e.top = static_cast<float>(i / 3) * cell_;
    e.width = e.height = cell_;
    return e;
  }
  std::string ToolTip(std::int64_t i) const override { return "Etikett " + std::to_string(i + 1); }
  std::int64_t HitTest(float x, float y) const override {
    if (x < 0 || y < 0 || x >= 3 * cell_) return -1;
    const auto i = static_cast<std::int64_t>(y / cell_) * 3 + static_cast<std::int64_t>(x / cell_);
    return i < count_ ? i : -1;
  }

 private:
  float cell_;
  std::int64_t count_;
};

using VirtualArrayClicks = FormTest;

TEST_F(VirtualArrayClicks, ClickHitsTheElementUnderTheMouse) {
  form_->SetScaleMode(host::ScaleMode::Pixels);
  Grid grid(20, 9);
  auto areas = form_->CreateVirtualArray("LabelArea", host::ArrayKind::ClickAreas, {});
  areas->SetSource(&grid);
  std::vector<std::int64_t> hits;
  areas->OnClick([&](std::int64_t i) { hits.push_back(i); });

  QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, QPoint(45, 25));  // column 2, row 1
  QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, QPoint(100, 5));  // beside the grid
  EXPECT_EQ(hits, (std::vector<std::int64_t>{5, 0}));
}

TEST_F(VirtualArrayClicks, TwipsContainerHandsTheSourceTwips) {
  // 300 twips are 20 pixels on a 96 dpi screen.
  ASSERT_FLOAT_EQ(platform_->TwipsPerPixelX(), 15);
  Grid grid(300, 9);
  auto areas = form_->CreateVirtualArray("LabelArea", host::ArrayKind::ClickAreas, {});
  areas->SetSource(&grid);
  std::int64_t hit = -1;
  areas->OnClick([&](std::int64_t i) { hit = i; });
  QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, QPoint(25, 45));
  EXPECT_EQ(hit, 7);
}

TEST_F(VirtualArrayClicks, HiddenOrCoveredAreasTakeNoClick) {
  form_->SetScaleMode(host::ScaleMode::Pixels);
  Grid grid(20, 9);
  auto areas = form_->CreateVirtualArray("LabelArea", host::ArrayKind::ClickAreas, {});
  areas->SetSource(&grid);
  int clicks = 0;
  areas->OnClick([&](std::int64_t) { ++clicks; });
  auto caption = form_->CreateLabel("lblCaption");
  caption->Move(0, 0, 20, 20);
  int captionClicks = 0;
  caption->OnClick([&] { ++captionClicks; });

  QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));  // the label is in front
  EXPECT_EQ(captionClicks, 1);
  EXPECT_EQ(clicks, 0);

  areas->BringToFront();
  QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks, 1);

  areas->SetVisible(false);
  QTest::mouseClick(form_->Widget(), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(clicks, 1);
}

TEST_F(VirtualArrayClicks, TooltipNamesTheElement) {
  form_->SetScaleMode(host::ScaleMode::Pixels);
  Grid grid(20, 9);
  auto areas = form_->CreateVirtualArray("LabelArea", host::ArrayKind::ClickAreas, {});
  areas->SetSource(&grid);
  const QPoint at(25, 45);
  QHelpEvent help(QEvent::ToolTip, at, form_->Widget()->mapToGlobal(at));
  QApplication::sendEvent(form_->Widget(), &help);
  EXPECT_EQ(QToolTip::text(), "Etikett 8");
  QToolTip::hideText();
}

}  // namespace
}  // namespace orvano::qt::testing
