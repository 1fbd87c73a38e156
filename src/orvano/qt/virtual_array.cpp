#include "orvano/qt/virtual_array.h"

#include <algorithm>

#include <QPainter>

#include "orvano/qt/convert.h"
#include "orvano/qt/passive_widgets.h"

namespace orvano::qt {

QtVirtualArray::QtVirtualArray(ControlHost* host, std::string name, host::ArrayKind kind,
                               const host::ShapeStyle& style)
    : host_(host), units_(host->GetUnits()), name_(std::move(name)), kind_(kind), style_(style) {
  host->AddItem(this);
}

QtVirtualArray::~QtVirtualArray() {
  if (host_) host_->RemoveItem(this);
}

void QtVirtualArray::SetSource(const host::ArraySource* source) {
  source_ = source;
  Invalidate();
}

void QtVirtualArray::Invalidate() {
  if (host_) host_->ItemChanged(this);
}

void QtVirtualArray::SetLattice(LatticeHint hint) {
  lattice_ = std::move(hint);
  Invalidate();
}

void QtVirtualArray::SetVisible(bool visible) {
  visible_ = visible;
  Invalidate();
}

void QtVirtualArray::BringToFront() {
  if (host_) host_->RaiseItem(this);
}

void QtVirtualArray::PaintItem(QPainter& p) {
  if (!source_ || kind_ == host::ArrayKind::ClickAreas) return;
  const double ux = units_->PerUnitX() / units_->tppX;  // pixels per scale unit
  const double uy = units_->PerUnitY() / units_->tppY;
  const QRectF clip = p.clipBoundingRect().isEmpty() ? QRectF(host_ ? host_->rect() : QRect())
                                                     : p.clipBoundingRect();
  const std::int64_t count = source_->Count();
  if (count <= 0) return;
  // A grid with more elements in view than is worth painting one by one: by pattern, at a cost
  // that follows the pixels.
  if (lattice_) {
    const std::optional<ArrayLattice> lattice = lattice_();
    PixelLattice grid;
    if (lattice && Describes(*lattice, kind_, count)) {
      if (!VisiblePart(*lattice, ux, uy, clip, grid)) return;
      if (grid.Visible() > exactLimit_) {
        if (kind_ == host::ArrayKind::Lines) {
          PaintLatticePath(p, *source_, ToQColor(style_.outline), grid, ux, uy);
        } else {
          PaintLatticeShapes(p, style_, grid, clip);
        }
        return;
      }
    }
  }
  // Far more elements than pixels: each would be smaller than a pixel, so painting them one by
  // one shows nothing but costs seconds. Shapes then become one block over the grid's extent in
  // the colour that dominates at that density; lines are left out.
  const double pixels = std::max(1.0, clip.width() * clip.height());
  if (static_cast<double>(count) > std::max(200000.0, 4 * pixels)) {
    if (kind_ == host::ArrayKind::Lines) return;
    const host::ArrayElement a = source_->Element(0);
    const host::ArrayElement b = source_->Element(count - 1);
    const double l = std::min(a.left, b.left), t = std::min(a.top, b.top);
    const double r = std::max(a.left + a.width, b.left + b.width);
    const double d = std::max(a.top + a.height, b.top + b.height);
    const QColor c = ToQColor(style_.outlined ? style_.outline : style_.fill);
    p.fillRect(QRectF(l * ux, t * uy, (r - l) * ux, (d - t) * uy), c);
    return;
  }
  const float cl = static_cast<float>(clip.left() / ux), ct = static_cast<float>(clip.top() / uy);
  const float cr = static_cast<float>(clip.right() / ux),
              cb = static_cast<float>(clip.bottom() / uy);
  source_->VisitIn(cl, ct, cr, cb, [&](std::int64_t i) {
    const host::ArrayElement e = source_->Element(i);
    if (kind_ == host::ArrayKind::Lines) {
      QPen pen(ToQColor(style_.outline));
      pen.setWidth(std::max(1, e.borderWidth));
      p.setPen(pen);
      p.drawLine(QPointF(e.left * ux, e.top * uy), QPointF(e.x2 * ux, e.y2 * uy));
    } else {
      const QRectF r(e.left * ux, e.top * uy, e.width * ux, e.height * uy);
      if (!clip.isEmpty() && !clip.intersects(r)) return;
      PaintShape(p, style_, r);
    }
  });
}

bool QtVirtualArray::HitItem(QPointF px, std::int64_t& index) const {
  // Only click areas take the mouse; painted elements let it through to what lies behind.
  if (!source_ || kind_ != host::ArrayKind::ClickAreas) return false;
  const float x = static_cast<float>(px.x() * units_->tppX / units_->PerUnitX());
  const float y = static_cast<float>(px.y() * units_->tppY / units_->PerUnitY());
  index = source_->HitTest(x, y);
  return index >= 0;
}

QString QtVirtualArray::ToolTipAt(std::int64_t index) const {
  return source_ && index >= 0 ? ToQString(source_->ToolTip(index)) : QString();
}

void QtVirtualArray::ClickItem(std::int64_t index) {
  if (click_ && kind_ == host::ArrayKind::ClickAreas) click_(index);
}

}  // namespace orvano::qt
