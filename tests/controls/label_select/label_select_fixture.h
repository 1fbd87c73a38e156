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
  LabelSelectTest()
      : site_(platform_, host::ScaleMode::Pixels, 322, 417),
        control_(std::make_unique<LabelSelect>(site_)) {}

  LabelSelect& Control() { return *control_; }
  host::headless::HeadlessContainer& Site() { return site_; }
  host::Shape& Selector() { return site_.Get<host::Shape>("Selector"); }
  host::Shape& Paper() { return site_.Get<host::Shape>("shpPaper"); }
  host::Label& Caption() { return site_.Get<host::Label>("txtLabelName"); }
  host::Line& Arrow(int i) { return site_.Get<host::Line>("Arrow" + std::to_string(i)); }
  host::VirtualArray& Areas() { return *site_.FindArray("lblLabel"); }
  // Left, top, width, height, to compare a placement in one go.
  static std::vector<float> Box(const host::Widget& w) {
    return {w.Left(), w.Top(), w.Width(), w.Height()};
  }
  static std::vector<float> Box(const SheetRect& r) { return {r.left, r.top, r.width, r.height}; }
  // A click in the middle of a label's clickable area; the index hit.
  std::int64_t ClickLabel(std::int32_t n) {
    const SheetRect r = control_->LabelRect(n);
    return site_.ClickAt(Areas(), r.left + r.width / 2, r.top + r.height / 2);
  }

  CatalogFolder folder_;
  host::headless::HeadlessPlatform platform_{15, 15};
  host::headless::HeadlessContainer site_;
  std::unique_ptr<LabelSelect> control_;
};

}  // namespace orvano::testing
