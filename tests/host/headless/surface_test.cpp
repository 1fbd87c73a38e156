// The recording surface and paint delivery, which the preview's drawing tests read.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

struct Painter : ControlEvents {
  Container* site = nullptr;
  int paints = 0;
  void UserControl_Paint() override {
    ++paints;
    Surface& s = site->GetSurface();
    s.Draw(1, 2, 30, 40, kWhite, DrawMode::FilledBox);
    s.SetDrawStyle(DrawStyle::Dot);
    s.Draw(5, 5, 5, 20, kBlack, DrawMode::Line);
    s.SetDrawStyle(DrawStyle::Solid);
    site->Invalidate();  // a paint request while painting does not recurse
  }
};

TEST_F(Window, InvalidatePaintsAtOnceAndEveryPrimitiveIsRecorded) {
  Painter p;
  p.site = &form;
  form.Attach(&p);
  form.Invalidate();
  EXPECT_EQ(p.paints, 1);
  EXPECT_EQ(form.InvalidateCount(), 2);
  const std::vector<Primitive> expected{
      {1, 2, 30, 40, kWhite, DrawMode::FilledBox, DrawStyle::Solid},
      {5, 5, 5, 20, kBlack, DrawMode::Line, DrawStyle::Dot}};
  EXPECT_EQ(form.Drawing(), expected);
  form.Paint();
  EXPECT_EQ(form.Drawing().size(), 4u);
  EXPECT_EQ(form.LastPaint(), expected);
  form.ClearDrawing();
  EXPECT_TRUE(form.Drawing().empty());
  form.Attach(nullptr);
  form.Paint();
  EXPECT_EQ(p.paints, 2);
}

}  // namespace
}  // namespace orvano::host::headless::test
