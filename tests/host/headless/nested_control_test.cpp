// A control inside a window (the dialog's preview): a widget outside, a container inside.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

struct Resizes : ControlEvents {
  Container* site = nullptr;
  std::vector<std::pair<float, float>> seen;
  void UserControl_Resize() override { seen.emplace_back(site->ScaleWidth(), site->ScaleHeight()); }
};

TEST_F(Window, NestedControlsInnerSizeIsItsWidgetSizeInItsOwnUnit) {
  auto preview = form.CreateChildControl("Preview1");
  Resizes events;
  events.site = preview.get();
  preview->Attach(&events);
  preview->SetScaleMode(ScaleMode::Pixels);
  Widget& place = preview->AsWidget();
  place.Move(120, 240, 3000, 1500);  // twips of the dialog
  EXPECT_EQ(preview->ScaleWidth(), 200);
  EXPECT_EQ(preview->ScaleHeight(), 100);
  EXPECT_EQ(events.seen, (std::vector<std::pair<float, float>>{{200, 0}, {200, 100}}));
  place.SetWidth(3000);  // no change, no resize
  EXPECT_EQ(events.seen.size(), 2u);
  dynamic_cast<HeadlessContainer&>(*preview).Resize(100, 50);  // pixels, the host's side
  EXPECT_EQ(place.Width(), 1500);
  EXPECT_EQ(events.seen.back(), (std::pair<float, float>{100, 50}));
  EXPECT_EQ(RaisedKind([&] { form.AsWidget(); }), kInvalidProcedureCall);
}

TEST_F(Window, WidgetsOfAHiddenNestedControlCannotTakeTheFocus) {
  auto inner = form.CreateChildControl("AddressLabel1");
  auto box = inner->CreateTextBox("txtAddress");
  inner->AsWidget().SetVisible(false);
  EXPECT_EQ(RaisedKind([&] { box->SetFocus(); }), kInvalidProcedureCall);
  inner->AsWidget().SetVisible(true);
  box->SetFocus();
  EXPECT_EQ(inner->ActiveWidget(), box.get());
  inner->AsWidget().SetEnabled(false);  // the focus leaves with it
  EXPECT_FALSE(box->HasFocus());
}

}  // namespace
}  // namespace orvano::host::headless::test
