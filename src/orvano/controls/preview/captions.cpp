#include "orvano/controls/preview/captions.h"

#include "orvano/host/platform.h"

namespace orvano {

namespace preview_detail {

std::string ReturnAddressSample(ovReturnAddressFormatConstants format) {
  if (format == ovReturnAddressDoubleLine)
    return "Konrad Probehaus GmbH & Co. KG\r\nProbeweg 5 - 12345 Probestadt";
  return "Konrad Probehaus GmbH & Co. KG - Probeweg 5 - 12345 Probestadt";
}

std::string LabelHeadingSample() { return "VERSANDANWEISUNG"; }

std::string AddressSample() {
  std::string text;
  for (int n = 1; n <= 9; ++n) {
    if (n > 1) text += "\r\n";
    text += "Z" + std::to_string(n);
  }
  return text;
}

void ShowIf(host::Widget& widget, bool visible) {
  if (widget.Visible() != visible) widget.SetVisible(visible);
}

void FitHeightToCaption(host::Label& label) {
  if (label.AutoSize()) label.SetAutoSize(false);
  label.SetAutoSize(true);
}

}  // namespace preview_detail

void Preview::CreateCaptions() {
  const float twipsX = site_.GetPlatform().TwipsPerPixelX();
  const float twipsY = site_.GetPlatform().TwipsPerPixelY();
  captions_ = std::make_unique<Captions>();
  Captions& c = *captions_;

  // Transparent so the label face and the dotted boxes beneath stay visible.
  auto sample = [&](const char* name, bool bold) {
    auto label = site_.CreateLabel(name);
    label->SetFont(host::Font{.name = "Arial", .size = 6.75f, .bold = bold});
    label->SetTransparent(true);
    label->SetWordWrap(true);
    return label;
  };
  // Opaque, centred, wrapped, height fitted to the text; sizes are designed in twips.
  auto dimension = [&](const char* name, const char* caption, float widthTwips, float heightTwips) {
    auto label = site_.CreateLabel(name);
    label->SetFont(host::Font{.name = "Tahoma", .size = 6.75f});
    label->SetCaption(caption);
    label->SetTransparent(false);
    label->SetAlignment(host::Alignment::Center);
    label->SetWordWrap(true);
    label->SetWidth(widthTwips / twipsX);
    label->SetHeight(heightTwips / twipsY);
    label->SetAutoSize(true);
    return label;
  };

  c.lblLabelHeading = sample("lblLabelHeading", true);
  c.lblReturnAddress = sample("lblReturnAddress", false);
  c.lblAddress = sample("lblAddress", false);
  c.lblBorderLeft = dimension("lblBorderLeft", "Linker Rand", 765, 165);
  c.lblSpaceHorizontal = dimension("lblSpaceHorizontal", "Horizontalabstand", 1140, 165);
  c.lblSpaceVertical = dimension("lblSpaceVertical", "Vertikalabstand", 1020, 165);
  c.lblBorderTop = dimension("lblBorderTop", "Oberer Rand", 840, 180);
  c.lblHeight = dimension("lblHeight", "Höhe", 360, 165);
  c.lblWidth = dimension("lblWidth", "Breite", 420, 165);
  c.lblCols = dimension("lblCols", "Etiketten pro Zeile", 1170, 210);
  c.lblRows = dimension("lblRows", "Etiketten pro Spalte", 600, 495);

  c.Frame = site_.CreateLabel("Frame");
  c.Frame->SetFont(site_.GetFont());
  c.Frame->SetBorder(true);
  c.Frame->SetTransparent(true);
  c.Frame->SetForeColor(host::kWindowText);
  c.Frame->SetBackColor(host::kWindowBackground);
}

}  // namespace orvano
