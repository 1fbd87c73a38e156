/// \file
/// Preview: draws to scale either the top left corner of a label sheet with its margins, pitches
/// and grid counts (page layout), or one label with the boxes of its address block (address
/// layout). It only displays: no events, no methods, nothing read from files.
#pragma once

#include <cstdint>
#include <memory>

#include "orvano/controls/preview/layout_state.h"
#include "orvano/controls/preview/preview_properties.h"
#include "orvano/core_export.h"
#include "orvano/host/container.h"
#include "orvano/host/factory.h"
#include "orvano/host/runtime.h"
#include "orvano/model/address_layout.h"
#include "orvano/model/enums.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano {

/// The preview control (see the file comment); lengths in millimetres, drawn in pixels.
class ORVANO_CORE_EXPORT Preview : public host::Object, public host::ControlEvents {
 public:
  /// Sets the surface to pixels, builds the captions, attaches to the site and initializes.
  explicit Preview(host::Container& site);
  ~Preview() override;
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;

  /// The properties of preview_properties.h. Every setter stores the value unchecked and redraws
  /// and re-places everything. SpaceVertical and SpaceHorizontal are pitches (label size plus
  /// gap); WithLabelHeading is stored as given, and only -1 counts as true in the layout.
  /// Each one's meaning and unit: ORVANO_PREVIEW_PROPERTIES.
  ///@{
  ORVANO_PREVIEW_PROPERTIES(ORVANO_PROPERTY_ACCESSORS)
  ///@}

  /// A whole stock or address layout at once, with one redraw: the gaps become pitches, and the
  /// address layout's values its namesakes here.
  ///@{
  void ShowSheet(const SheetGeometry& sheet);
  void ShowAddressLayout(const AddressLayout& layout);
  ///@}

  /// The layout of the last Paint or Resize.
  const PreviewLayoutState& Layout() const { return layout_; }

  // Handlers the container calls.
  void UserControl_Resize() override;
  void UserControl_Paint() override;
  void UserControl_ReadProperties(host::PropertyBag& bag) override;
  void UserControl_WriteProperties(host::PropertyBag& bag) override;

 private:
  struct Captions;

  void Initialize();
  void CreateCaptions();
  void RefreshPreview();
  void Redraw() { RefreshPreview(); }

  void ComputeLayout();
  void ComputePageLayout();
  void ComputeAddressLayout();

  void PaintPageLayout();
  void PaintAddressLayout();
  void ResizePageLayout();
  void ResizeAddressLayout();
  void PlaceFrame();

  double InnerWidth() const;
  double InnerHeight() const;

  host::Container& site_;
  std::unique_ptr<Captions> captions_;

  ovPreviewLayoutConstants previewLayout_ = ovPreviewPageLayout;
  double borderLeft_ = 0;
  double borderTop_ = 0;
  double labelWidth_ = 0;
  double labelHeight_ = 0;
  double spaceVertical_ = 0;
  double spaceHorizontal_ = 0;
  std::int32_t cols_ = 0;
  std::int32_t rows_ = 0;
  double labelBorderLeft_ = 0;
  double labelBorderRight_ = 0;
  double labelBorderTop_ = 0;
  double labelBorderBottom_ = 0;
  double labelHeadingSpace_ = 0;
  double addressSpace_ = 0;
  ovReturnAddressFormatConstants returnAddressFormat_ = ovReturnAddressNone;
  std::int32_t fontSize_ = 0;
  host::Flag withLabelHeading_ = host::kFalse;

  PreviewLayoutState layout_;
};

/// Makes "Orvano.Preview" known to the factory; creating it without a container is
/// ObjectRequired.
ORVANO_CORE_EXPORT void RegisterPreview(host::ClassFactory& factory);

}  // namespace orvano
