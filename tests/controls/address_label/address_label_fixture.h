// A control on the headless host: 15 twips per pixel, a container measured in twips.
#pragma once

#include <memory>
#include <string>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/host/headless/headless.h"

namespace orvano::testing {

inline constexpr double kK = 56.69;  // twips per mm at real size
inline constexpr double kPx = 15;    // twips per pixel, both ways

// Control size that shows a label side of `mm` at the scale s: four pixels go to the outline.
inline float Side(double mm, double s = 1) { return static_cast<float>(mm * kK * s + 4 * kPx); }

class AddressLabelHost {
 public:
  explicit AddressLabelHost(float width = 6000, float height = 3500)
      : site_(platform_, host::ScaleMode::Twips, width, height),
        label_(std::make_unique<AddressLabel>(site_)) {}

  AddressLabel& Label() { return *label_; }
  host::headless::HeadlessContainer& Site() { return site_; }
  host::TextBox& Box() { return site_.Get<host::TextBox>("txtAddress"); }
  host::Label& Sender() { return site_.Get<host::Label>("lblReturnAddress"); }
  host::Label& Heading() { return site_.Get<host::Label>("lblLabelHeading"); }
  host::Shape& Back() { return site_.Get<host::Shape>("Back"); }
  host::Line& Border(int i) { return site_.Get<host::Line>("Border(" + std::to_string(i) + ")"); }

 private:
  host::headless::HeadlessPlatform platform_{15, 15};
  host::headless::HeadlessContainer site_;
  std::unique_ptr<AddressLabel> label_;
};

// Millimetres below the label's origin, which lies two pixels in from the control's corner.
inline double MmBelowOrigin(double twips) { return (twips - 2 * kPx) / kK; }

}  // namespace orvano::testing
