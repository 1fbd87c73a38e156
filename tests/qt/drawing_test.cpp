// What the control draws and the shapes it places reach the screen: a grab of the container
// shows them, and a Paint delivery replaces the drawing that came before it.
#include <QImage>

#include "form_fixture.h"

namespace orvano::qt::testing {
namespace {

int CountColour(const QImage& image, QColor colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour ? 1 : 0;
  }
  return n;
}

QImage Grab(QtContainer& form) {
  QApplication::processEvents();
  return form.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A control that paints one filled box in its current colour on every Paint.
class Painter : public host::ControlEvents {
 public:
  explicit Painter(host::Container& c) : c_(c) { c_.Attach(this); }
  ~Painter() override { c_.Attach(nullptr); }
  void UserControl_Paint() override {
    ++paints;
    c_.GetSurface().Draw(10, 10, 40, 30, colour, host::DrawMode::FilledBox);
  }
  host::Color colour = host::Rgb(0, 0, 255);
  int paints = 0;

 private:
  host::Container& c_;
};

using Drawing = FormTest;

TEST_F(Drawing, ShapesAndLinesAppearInAGrab) {
  form_->SetScaleMode(host::ScaleMode::Pixels);
  host::ShapeStyle red;
  red.filled = true;
  red.fill = host::Rgb(255, 0, 0);
  red.outline = host::Rgb(255, 0, 0);
  auto page = form_->CreateShape("shpPage", red);
  page->Move(20, 20, 50, 40);
  auto line = form_->CreateLine("linPath");
  line->SetBorderColor(host::Rgb(0, 128, 0));
  line->SetX1(100);
  line->SetY1(10);
  line->SetX2(100);
  line->SetY2(90);

  const QImage image = Grab(*form_);
  EXPECT_GE(CountColour(image, QColor(255, 0, 0)), 50 * 40 - 4);
  EXPECT_GE(CountColour(image, QColor(0, 128, 0)), 80);

  page->SetVisible(false);
  EXPECT_EQ(CountColour(Grab(*form_), QColor(255, 0, 0)), 0);
}

TEST_F(Drawing, PaintDeliveryReplacesTheOldDrawing) {
  form_->SetScaleMode(host::ScaleMode::Pixels);
  Painter control(*form_);
  EXPECT_EQ(CountColour(Grab(*form_), QColor(0, 0, 255)), 31 * 21);

  control.colour = host::Rgb(255, 0, 0);
  form_->Invalidate();
  const QImage image = Grab(*form_);
  EXPECT_EQ(CountColour(image, QColor(0, 0, 255)), 0);
  EXPECT_EQ(CountColour(image, QColor(255, 0, 0)), 31 * 21);
}

TEST_F(Drawing, DrawingOutsidePaintStaysOnRepaint) {
  form_->SetScaleMode(host::ScaleMode::Pixels);
  Painter control(*form_);
  Grab(*form_);
  const int paints = control.paints;
  // A property setter that draws at once, as the preview's refresh does.
  form_->GetSurface().SetDrawStyle(host::DrawStyle::Solid);
  form_->GetSurface().Draw(100, 50, 120, 50, host::Rgb(0, 128, 0), host::DrawMode::Line);
  form_->Widget()->update();
  const QImage image = Grab(*form_);
  EXPECT_EQ(control.paints, paints);  // a plain repaint replays, it does not ask the control
  EXPECT_GE(CountColour(image, QColor(0, 128, 0)), 20);
  EXPECT_EQ(CountColour(image, QColor(0, 0, 255)), 31 * 21);
}

TEST_F(Drawing, ScaleSizeFollowsTheUnit) {
  form_->Widget()->resize(200, 100);
  EXPECT_FLOAT_EQ(form_->ScaleWidth(), 3000);
  form_->SetScaleMode(host::ScaleMode::Pixels);
  EXPECT_FLOAT_EQ(form_->ScaleWidth(), 200);
  EXPECT_FLOAT_EQ(form_->ScaleHeight(), 100);
}

TEST_F(Drawing, ResizeReachesTheControl) {
  struct Sizes : host::ControlEvents {
    explicit Sizes(host::Container& c) : c_(c) { c_.Attach(this); }
    ~Sizes() override { c_.Attach(nullptr); }
    void UserControl_Resize() override { widths.push_back(c_.ScaleWidth()); }
    std::vector<float> widths;
    host::Container& c_;
  } control(*form_);
  form_->Widget()->resize(250, 100);
  ASSERT_FALSE(control.widths.empty());
  EXPECT_FLOAT_EQ(control.widths.back(), 250 * 15);
}

}  // namespace
}  // namespace orvano::qt::testing
