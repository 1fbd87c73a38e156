// The twelve caption labels a Preview is built from, and the sample texts of the address layout.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "orvano/controls/preview/preview.h"
#include "orvano/host/widgets.h"

namespace orvano {

struct Preview::Captions {
  // Address layout samples.
  std::unique_ptr<host::Label> lblLabelHeading;
  std::unique_ptr<host::Label> lblReturnAddress;
  std::unique_ptr<host::Label> lblAddress;
  // Page layout dimension captions.
  std::unique_ptr<host::Label> lblBorderLeft;
  std::unique_ptr<host::Label> lblSpaceHorizontal;
  std::unique_ptr<host::Label> lblSpaceVertical;
  std::unique_ptr<host::Label> lblBorderTop;
  std::unique_ptr<host::Label> lblHeight;
  std::unique_ptr<host::Label> lblWidth;
  std::unique_ptr<host::Label> lblCols;
  std::unique_ptr<host::Label> lblRows;
  // Border round the whole control, over the drawing.
  std::unique_ptr<host::Label> Frame;
};

namespace preview_detail {

// Colour of the control's background and of the captions sitting on it.
inline constexpr host::Color kBackground = 0xF0F0F0;
// Colour of the visible piece of the sheet.
inline constexpr host::Color kSheet = 0xE0E0E0;
// Colour of a label face.
inline constexpr host::Color kLabelFace = 0xFFFFFF;

std::string ReturnAddressSample(ovReturnAddressFormatConstants format);
std::string LabelHeadingSample();
std::string AddressSample();

// Writes the visibility only when it changes, so a backend repaints nothing needlessly.
void ShowIf(host::Widget& widget, bool visible);

// Turns automatic sizing on so that the height follows the wrapped caption now, even when it
// was on already.
void FitHeightToCaption(host::Label& label);

}  // namespace preview_detail
}  // namespace orvano
