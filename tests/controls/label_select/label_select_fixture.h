// A LabelSelect on the headless host (pixels, inner 322 x 417) with its own catalog folder: the
// component folder points at a fresh temporary folder that also serves as data folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/host/headless/headless.h"
#include "support/control_fixture.h"

namespace orvano::testing {

using test_support::CatalogFolder;

class LabelSelectTest : public ::testing::Test {
 protected:
  LabelSelect& Control() { return *control_; }
  host::headless::HeadlessContainer& Site() { return control_.site; }
  host::Shape& Selector() { return Site().Get<host::Shape>("Selector"); }
  host::Shape& Paper() { return Site().Get<host::Shape>("shpPaper"); }
  host::Label& Caption() { return Site().Get<host::Label>("txtLabelName"); }
  host::Line& Arrow(int i) { return Site().Get<host::Line>("Arrow" + std::to_string(i)); }
  host::VirtualArray& Areas() { return *Site().FindArray("lblLabel"); }
  // Left, top, width, height, to compare a placement in one go.
  static std::vector<float> Box(const host::Widget& w) {
    return {w.Left(), w.Top(), w.Width(), w.Height()};
  }
  static std::vector<float> Box(const SheetRect& r) { return {r.left, r.top, r.width, r.height}; }
  // A click in the middle of a label's clickable area; the index hit.
  std::int64_t ClickLabel(std::int32_t n) {
    const SheetRect r = control_->LabelRect(n);
    return Site().ClickAt(Areas(), r.left + r.width / 2, r.top + r.height / 2);
  }

  CatalogFolder folder_;
  host::headless::HeadlessPlatform platform_{15, 15};
  test_support::Hosted<LabelSelect> control_{platform_};
};

}  // namespace orvano::testing
