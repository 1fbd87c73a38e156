// What the control draws and the shapes it places reach the screen, and a Paint delivery
// replaces the drawing that came before it.
#include <QImage>

#include "qt_backend.h"

namespace orvano::qt::testing {
namespace {

const QColor kRed(255, 0, 0), kGreen(0, 128, 0), kBlue(0, 0, 255);

// A control that paints one filled box in its current colour on every Paint.
struct Painter : host::ControlEvents {
  explicit Painter(host::Container& c) : c_(c) { c_.Attach(this); }
  ~Painter() override { c_.Attach(nullptr); }
  void UserControl_Paint() override {
    ++paints;
    c_.GetSurface().Draw(10, 10, 40, 30, colour, host::DrawMode::FilledBox);
  }
  host::Color colour = host::Rgb(0, 0, 255);
  int paints = 0;
  host::Container& c_;
};

struct Drawing : ::testing::Test {
  QtBackend host;
  QtContainer& form = host.QtForm();
  Drawing() { form.SetScaleMode(host::ScaleMode::Pixels); }
  QColor At(int x, int y) {  // on screen, once the queued paints are done
    QApplication::processEvents();
    return form.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32).pixelColor(x, y);
  }
};

TEST_F(Drawing, ShapesLinesAndPaintedBoxesAppearInAGrab) {
  host::ShapeStyle red;
  red.filled = true;
  red.fill = red.outline = host::Rgb(255, 0, 0);
  auto page = form.CreateShape("shpPage", red);
  page->Move(20, 20, 50, 40);
  auto line = form.CreateLine("linPath");
  line->SetBorderColor(host::Rgb(0, 128, 0));
  line->SetX1(100);
  line->SetY1(10);
  line->SetX2(100);
  line->SetY2(90);
  EXPECT_EQ(At(45, 40), kRed);
  EXPECT_NE(At(75, 40), kRed);
  EXPECT_EQ(At(100, 50), kGreen);
  page->SetVisible(false);
  // A Paint replaces the old drawing, and a repaint replays what was drawn outside one.
  Painter control(form);
  EXPECT_NE(At(45, 40), kRed);
  EXPECT_EQ(At(10, 10), kBlue);
  EXPECT_EQ(At(40, 30), kBlue);  // both corners are drawn
  EXPECT_NE(At(41, 31), kBlue);
  control.colour = host::Rgb(255, 0, 0);
  form.Invalidate();
  EXPECT_EQ(At(25, 20), kRed);
  const int paints = control.paints;
  // A property setter that draws at once, as the preview's refresh does.
  form.GetSurface().Draw(100, 50, 120, 50, host::Rgb(0, 128, 0), host::DrawMode::Line);
  form.Widget()->update();
  EXPECT_EQ(At(110, 50), kGreen);
  EXPECT_EQ(At(25, 20), kRed);
  EXPECT_EQ(control.paints, paints);  // a plain repaint replays, it does not ask the control
}

}  // namespace
}  // namespace orvano::qt::testing
