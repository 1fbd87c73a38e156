// PreviewWidget on screen: the grab shows the first label where the control's layout puts it,
// in both layouts.
#include <gtest/gtest.h>

#include "orvano/qt/widgets/preview_widget.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

void ExpectFirstLabelDrawn(PreviewWidget& preview) {
  const QImage image = Grab(preview);
  ASSERT_EQ(image.size(), preview.size());
  EXPECT_GT(DistinctColours(image), 2);
  const PixelRect& label = preview.control().Layout().Label1Rect;
  ASSERT_GT(label.Height, 20);
  // The label's left edge is a black line, the pixels just inside it are not.
  const int top = label.Top + 8, bottom = label.Top + label.Height - 9;
  EXPECT_GT(ColumnShare(image, label.Left, top, bottom, IsBlack), 0.8);
  EXPECT_LT(ColumnShare(image, label.Left + 2, top, bottom, IsBlack), 0.5);
}

TEST(PreviewWidget, GrabShowsTheLabelWhereTheLayoutPutsIt) {
  PreviewWidget preview;
  preview.resize(preview.sizeHint());
  ShowActive(preview);
  ExpectFirstLabelDrawn(preview);

  preview.setProperty("previewLayout", 1);
  ExpectFirstLabelDrawn(preview);
}

}  // namespace
}  // namespace orvano::qt::testing
