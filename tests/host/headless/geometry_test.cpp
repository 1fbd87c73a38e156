// Refused sizes, stacking order and the scale unit: what the layout code reads back.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

using Geometry = Window;

TEST_F(Geometry, RefusedSizesKeepTheOldValue) {
  auto box = form.CreateTextBox("txtAddress");
  box->Move(100, 200, 300, 400);
  EXPECT_EQ(RaisedKind([&] { box->SetWidth(-1); }), kInvalidPropertyValue);
  EXPECT_EQ(RaisedKind([&] { box->SetHeight(-0.5f); }), kInvalidPropertyValue);
  // Four assignments: the position is still taken.
  box->Move(150, 250, -10, 500);
  EXPECT_EQ(box->Left(), 150);
  EXPECT_EQ(box->Width(), 300);
  EXPECT_EQ(box->Height(), 500);
  auto line = form.CreateLine("Border");
  EXPECT_EQ(RaisedKind([&] { line->SetBorderWidth(0); }), kInvalidPropertyValue);
  EXPECT_EQ(line->BorderWidth(), 1);
}

TEST_F(Geometry, StackingIsCreationOrderAndBringToFrontMovesToTheEnd) {
  auto paper = form.CreateShape("shpPaper", {});
  auto backs = form.CreateVirtualArray("shpLabelBack", ArrayKind::Shapes, {});
  auto preview = form.CreateChildControl("Preview1");
  auto selector = form.CreateShape("Selector", {});
  EXPECT_EQ(form.StackingOrder(),
            (std::vector<std::string>{"shpPaper", "shpLabelBack", "Preview1", "Selector"}));
  backs->BringToFront();
  paper->BringToFront();
  EXPECT_EQ(form.StackingOrder(),
            (std::vector<std::string>{"Preview1", "Selector", "shpLabelBack", "shpPaper"}));
  preview.reset();
  EXPECT_EQ(form.Find("Preview1"), nullptr);
  EXPECT_EQ(form.FindArray("shpLabelBack"), backs.get());
  EXPECT_EQ(&form.Get<Shape>("Selector"), selector.get());
}

TEST_F(Geometry, ChangingTheScaleUnitConvertsWhatIsPlaced) {
  HeadlessPlatform hiDpi(12, 10);
  HeadlessContainer c(hiDpi, ScaleMode::Twips, 1200, 1000);
  auto label = c.CreateLabel("lbl");
  label->Move(120, 100, 240, 50);
  auto line = c.CreateLine("Arrow1");
  line->SetX2(60);
  line->SetY2(30);
  c.SetScaleMode(ScaleMode::Pixels);
  EXPECT_EQ(c.ScaleWidth(), 100);
  EXPECT_EQ(c.ScaleHeight(), 100);
  EXPECT_EQ(label->Left(), 10);
  EXPECT_EQ(label->Height(), 5);
  EXPECT_EQ(line->X2(), 5);
  EXPECT_EQ(line->Y2(), 3);
}

}  // namespace
}  // namespace orvano::host::headless::test
