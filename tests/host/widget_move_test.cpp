#include <gtest/gtest.h>

#include <string>

#include "orvano/host/error.h"
#include "orvano/host/widgets.h"

namespace orvano::host {
namespace {

// Only what Move touches; a negative size is refused as every backend refuses it.
class FakeWidget : public Widget {
 public:
  const std::string& Name() const override { return name_; }
  bool Visible() const override { return true; }
  void SetVisible(bool) override {}
  float Left() const override { return left_; }
  float Top() const override { return top_; }
  float Width() const override { return width_; }
  float Height() const override { return height_; }
  void SetLeft(float v) override { left_ = v; }
  void SetTop(float v) override { top_ = v; }
  void SetWidth(float v) override { width_ = Size(v); }
  void SetHeight(float v) override { height_ = Size(v); }
  void BringToFront() noexcept override {}
  std::string ToolTipText() const override { return {}; }
  void SetToolTipText(const std::string&) override {}
  bool Enabled() const override { return true; }
  void SetEnabled(bool) override {}
  void OnClick(Handler) override {}

 private:
  static float Size(float v) {
    if (v < 0) Raise(ErrorKind::InvalidPropertyValue);
    return v;
  }
  std::string name_ = "lblTest";
  float left_ = 1, top_ = 2, width_ = 3, height_ = 4;
};

TEST(WidgetMove, ARefusedSizeKeepsItsOldValueButTheRestIsTaken) {
  FakeWidget w;
  EXPECT_NO_THROW(w.Move(10, 20, -5, 40));
  EXPECT_EQ(w.Left(), 10);
  EXPECT_EQ(w.Width(), 3);
  EXPECT_EQ(w.Height(), 40);
  w.Move(-10, -20, 30, -1);  // negative positions are fine, only sizes are refused
  EXPECT_EQ(w.Top(), -20);
  EXPECT_EQ(w.Width(), 30);
  EXPECT_EQ(w.Height(), 40);
}

}  // namespace
}  // namespace orvano::host
