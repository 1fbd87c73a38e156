/// \file
/// Feeds the virtual widget arrays of the sheet picture from the grid of the last layout pass.
#pragma once

#include <cstdint>
#include <string>

#include "orvano/controls/label_select/sheet_grid.h"
#include "orvano/core_export.h"
#include "orvano/host/widget_array.h"

namespace orvano::sheet {

/// One rectangle per placed label: faces and outlines (passive), or the clickable areas, which
/// also carry the tooltips and answer hit tests.
class ORVANO_CORE_EXPORT LabelSource : public host::ArraySource {
 public:
  /// The labels of a grid that outlives the source; clickable for the click areas.
  LabelSource(const Grid& grid, bool clickable) : grid_(grid), clickable_(clickable) {}
  std::int64_t Count() const override;
  host::ArrayElement Element(std::int64_t index) const override;
  std::string ToolTip(std::int64_t index) const override;
  std::int64_t HitTest(float x, float y) const override;
  /// The placed labels whose areas overlap the rectangle, back to front.
  void VisitIn(float left, float top, float right, float bottom,
               const std::function<void(std::int64_t)>& visit) const override;

 private:
  const Grid& grid_;
  bool clickable_;
};

/// The fill path: element i is the segment that leads into label i + 1 (label 0 has none).
class ORVANO_CORE_EXPORT PathSource : public host::ArraySource {
 public:
  explicit PathSource(const Grid& grid) : grid_(grid) {}  ///< the path of a grid that outlives it
  std::int64_t Count() const override;
  host::ArrayElement Element(std::int64_t index) const override;
  std::string ToolTip(std::int64_t) const override { return {}; }
  std::int64_t HitTest(float, float) const override { return -1; }
  /// The segments into every label near the rectangle, and the jumps between rows (columns)
  /// that cross it.
  void VisitIn(float left, float top, float right, float bottom,
               const std::function<void(std::int64_t)>& visit) const override;

 private:
  const Grid& grid_;
};

}  // namespace orvano::sheet
