/// \file
/// Indexed widget arrays.
///
/// WidgetArray: real widgets that grow by loading one index at a time (fixed arrays simply load
/// all their indexes at creation). Unloading is not needed by any control and is not offered.
///
/// VirtualArray: a passive array (shapes, lines or transparent click areas) whose elements the
/// owner computes on demand. It serves grids far too large to hold one widget per element: the
/// backend asks the source for what to draw, which element a click or tooltip hits, and keeps no
/// per-element state of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "orvano/core_export.h"
#include "orvano/host/error.h"
#include "orvano/host/widgets.h"

namespace orvano::host {

/// Real widgets of kind T by index from 0, loaded one index at a time.
template <class T>
class WidgetArray {
 public:
  /// Makes the widget of an index.
  using Factory = std::function<std::unique_ptr<T>(std::int32_t index)>;
  WidgetArray() = default;  ///< an array that cannot load (no factory)
  explicit WidgetArray(Factory make) : make_(std::move(make)) {}  ///< loads through make

  /// The number of loaded indexes.
  std::int32_t Count() const noexcept { return static_cast<std::int32_t>(items_.size()); }
  /// Loads the next index; InvalidProcedureCall unless index == Count().
  T& Load(std::int32_t index) {
    if (index != Count() || !make_) Raise(ErrorKind::InvalidProcedureCall);
    items_.push_back(make_(index));
    return *items_.back();
  }
  /// SubscriptOutOfRange (the "control array element doesn't exist" error) for a missing index.
  T& operator[](std::int32_t index) const {
    if (index < 0 || index >= Count()) Raise(ErrorKind::SubscriptOutOfRange);
    return *items_[static_cast<std::size_t>(index)];
  }

 private:
  Factory make_;
  std::vector<std::unique_ptr<T>> items_;
};

/// What a virtual array's elements are.
enum class ArrayKind {
  Shapes,     ///< rectangles in the array's style
  Lines,      ///< lines
  ClickAreas  ///< transparent areas that take clicks and tooltips
};

/// One element of a virtual array, in the container's scale unit.
struct ArrayElement {
  /// Shapes and click areas: the rectangle. Lines: x1 = left, y1 = top, x2, y2 the end point.
  ///@{
  float left = 0, top = 0, width = 0, height = 0;
  float x2 = 0, y2 = 0;
  ///@}
  std::int32_t borderWidth = 1;  ///< lines
};

/// The owner's side of a virtual array: it computes every element on demand.
class ORVANO_CORE_EXPORT ArraySource {
 public:
  virtual ~ArraySource() = default;
  /// Elements that are shown, numbered 0 .. Count()-1.
  virtual std::int64_t Count() const = 0;
  virtual ArrayElement Element(std::int64_t index) const = 0;  ///< element index's geometry
  virtual std::string ToolTip(std::int64_t index) const = 0;   ///< its tooltip; empty for none
  /// The element under a point (front-most first), or -1.
  virtual std::int64_t HitTest(float x, float y) const = 0;
  /// The elements that may show inside a rectangle, back to front, for backends that paint only
  /// what is exposed: a source of millions of elements can name the few on screen. The default
  /// visits every element.
  virtual void VisitIn(float left, float top, float right, float bottom,
                       const std::function<void(std::int64_t index)>& visit) const {
    (void)left, (void)top, (void)right, (void)bottom;
    for (std::int64_t i = 0, n = Count(); i < n; ++i) visit(i);
  }
};

/// A passive array drawn from an ArraySource (see the file comment).
class ORVANO_CORE_EXPORT VirtualArray {
 public:
  virtual ~VirtualArray() = default;
  virtual const std::string& Name() const = 0;  ///< the name given at creation
  virtual ArrayKind Kind() const = 0;           ///< the kind given at creation
  /// Shapes: their look. Lines: outline colour is the line colour.
  virtual const ShapeStyle& Style() const = 0;
  /// The source must outlive the array or be replaced before it goes.
  virtual void SetSource(const ArraySource* source) = 0;
  /// The source's content changed: repaint.
  virtual void Invalidate() = 0;
  /// A hidden array draws nothing and takes no clicks.
  ///@{
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  ///@}
  virtual void BringToFront() = 0;  ///< in front of its siblings
  /// Click areas: a click hits the element the source names.
  virtual void OnClick(std::function<void(std::int64_t index)> h) = 0;
};

}  // namespace orvano::host
