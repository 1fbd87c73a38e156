// What the control draws and the shapes it places reach the screen: a grab of the container
// shows them, and a Paint delivery replaces the drawing that came before it.
#include <QImage>

#include "qt_backend.h"

namespace orvano::qt::testing {
namespace {

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
  int Count(QColor colour) {
    QApplication::processEvents();
    const QImage image = form.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
  }
};

TEST_F(Drawing, ShapesAndLinesAppearInAGrab) {
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
  EXPECT_GE(Count(QColor(255, 0, 0)), 50 * 40 - 4);
  EXPECT_GE(Count(QColor(0, 128, 0)), 80);
  page->SetVisible(false);
  EXPECT_EQ(Count(QColor(255, 0, 0)), 0);
}

TEST_F(Drawing, PaintReplacesTheOldDrawingAndARepaintReplaysWhatWasDrawnOutsideIt) {
  Painter control(form);
  EXPECT_EQ(Count(QColor(0, 0, 255)), 31 * 21);
  control.colour = host::Rgb(255, 0, 0);
  form.Invalidate();
  EXPECT_EQ(Count(QColor(0, 0, 255)), 0);
  EXPECT_EQ(Count(QColor(255, 0, 0)), 31 * 21);
  const int paints = control.paints;
  // A property setter that draws at once, as the preview's refresh does.
  form.GetSurface().SetDrawStyle(host::DrawStyle::Solid);
  form.GetSurface().Draw(100, 50, 120, 50, host::Rgb(0, 128, 0), host::DrawMode::Line);
  form.Widget()->update();
  EXPECT_GE(Count(QColor(0, 128, 0)), 20);
  EXPECT_EQ(Count(QColor(255, 0, 0)), 31 * 21);
  EXPECT_EQ(control.paints, paints);  // a plain repaint replays, it does not ask the control
}

}  // namespace
}  // namespace orvano::qt::testing
