#include "orvano/qt/passive_widgets.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "orvano/qt/convert.h"
#include "orvano/qt/fonts.h"

namespace orvano::qt {

// ---- caption label

QtLabel::QtLabel(ControlHost* host, std::string name, const host::Font& font)
    : PassiveWidget<host::Label>(host, std::move(name)), font_(font) {}

void QtLabel::SetCaption(const std::string& text) noexcept {
  caption_ = text;
  if (host_) {
    const QKeySequence key = QKeySequence::mnemonic(MnemonicText(ToQString(caption_)));
    host_->SetMnemonic(this, sequence_, key);
  }
  Fit();
  Repaint();
}

void QtLabel::SetFont(const host::Font& f) {
  if (!(f.size > 0)) host::Raise(host::ErrorKind::InvalidPropertyValue);
  font_ = f;
  Fit();
  Repaint();
}

void QtLabel::SetFontSize(float points) {
  if (!(points > 0) || points > 2048) host::Raise(host::ErrorKind::InvalidPropertyValue);
  font_.size = points;
  Fit();
  Repaint();
}

void QtLabel::SetBackColor(host::Color c) noexcept {
  back_ = c;
  Repaint();
}

void QtLabel::SetForeColor(host::Color c) {
  fore_ = c;
  Repaint();
}

void QtLabel::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Repaint();
}

void QtLabel::SetAlignment(host::Alignment a) {
  alignment_ = a;
  Repaint();
}

void QtLabel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  Fit();
  Repaint();
}

void QtLabel::SetBorder(bool single) {
  border_ = single;
  Repaint();
}

void QtLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  Fit();
  Repaint();
}

void QtLabel::SetWidth(float v) {
  PassiveWidget<host::Label>::SetWidth(v);
  Fit();
}

int QtLabel::TextFlags() const {
  int flags = Qt::AlignTop | Qt::TextShowMnemonic;
  switch (alignment_) {
    case host::Alignment::Left: flags |= Qt::AlignLeft; break;
    case host::Alignment::Right: flags |= Qt::AlignRight; break;
    case host::Alignment::Center: flags |= Qt::AlignHCenter; break;
  }
  if (wordWrap_) flags |= Qt::TextWordWrap;
  return flags;
}

void QtLabel::Fit() {
  if (!autoSize_) return;
  const QFontMetricsF metrics(ToQFont(font_));
  const QString text = MnemonicText(ToQtLineEnds(ToQString(caption_)));
  const double extra = border_ ? 2.0 : 0.0;
  if (wordWrap_) {
    const double widthPx = std::max(0.0, width_ / units_->tppX - extra);
    const QRectF box = metrics.boundingRect(QRectF(0, 0, widthPx, 1e6), TextFlags(), text);
    const double lines = std::max(1.0, std::ceil(box.height() / metrics.lineSpacing() - 0.01));
    height_ = (std::ceil(lines * metrics.lineSpacing()) + extra) * units_->tppY;
  } else {
    const QStringList lines = text.split(QLatin1Char('\n'));
    double widest = 0;
    for (const QString& line : lines) {
      widest = std::max(
          widest, metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextShowMnemonic, line).width());
    }
    width_ = (std::ceil(widest) + extra) * units_->tppX;
    height_ = (std::ceil(lines.size() * metrics.lineSpacing()) + extra) * units_->tppY;
  }
}

void QtLabel::PaintItem(QPainter& p) {
  const QRect r = PixelRect();
  if (r.isEmpty()) return;
  p.setClipRect(r);
  if (!transparent_) p.fillRect(r, ToQColor(back_));
  QRect text = r;
  if (border_) {
    p.setPen(ToQColor(host::kBlack));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    text = r.adjusted(1, 1, -1, -1);
  }
  p.setFont(ToQFont(font_));
  p.setPen(enabled_ ? ToQColor(fore_) : QColor(Qt::gray));
  p.drawText(text, TextFlags(), MnemonicText(ToQtLineEnds(ToQString(caption_))));
}

bool QtLabel::HitItem(QPointF px, std::int64_t& index) const {
  index = 0;
  return enabled_ && QRectF(PixelRect()).contains(px);
}

QString QtLabel::ToolTipAt(std::int64_t) const { return ToQString(toolTip_); }

void QtLabel::ClickItem(std::int64_t) {
  if (click_) click_();
}

// ---- line

QtLine::QtLine(ControlHost* host, std::string name)
    : PassiveWidget<host::Line>(host, std::move(name)) {}

float QtLine::X1() const { return static_cast<float>(x1_ / units_->PerUnitX()); }
float QtLine::Y1() const { return static_cast<float>(y1_ / units_->PerUnitY()); }
float QtLine::X2() const { return static_cast<float>(x2_ / units_->PerUnitX()); }
float QtLine::Y2() const { return static_cast<float>(y2_ / units_->PerUnitY()); }
void QtLine::SetX1(float v) {
  x1_ = v * units_->PerUnitX();
  Repaint();
}
void QtLine::SetY1(float v) {
  y1_ = v * units_->PerUnitY();
  Repaint();
}
void QtLine::SetX2(float v) {
  x2_ = v * units_->PerUnitX();
  Repaint();
}
void QtLine::SetY2(float v) {
  y2_ = v * units_->PerUnitY();
  Repaint();
}

void QtLine::SetBorderWidth(std::int32_t w) {
  if (w < 1) host::Raise(host::ErrorKind::InvalidPropertyValue);
  borderWidth_ = w;
  Repaint();
}

void QtLine::SetBorderColor(host::Color c) {
  color_ = c;
  Repaint();
}

float QtLine::Left() const { return static_cast<float>(std::min(x1_, x2_) / units_->PerUnitX()); }
float QtLine::Top() const { return static_cast<float>(std::min(y1_, y2_) / units_->PerUnitY()); }
float QtLine::Width() const { return static_cast<float>(std::abs(x2_ - x1_) / units_->PerUnitX()); }
float QtLine::Height() const {
  return static_cast<float>(std::abs(y2_ - y1_) / units_->PerUnitY());
}

void QtLine::SetLeft(float v) {
  const double shift = v * units_->PerUnitX() - std::min(x1_, x2_);
  x1_ += shift;
  x2_ += shift;
  Repaint();
}

void QtLine::SetTop(float v) {
  const double shift = v * units_->PerUnitY() - std::min(y1_, y2_);
  y1_ += shift;
  y2_ += shift;
  Repaint();
}

void QtLine::SetWidth(float v) {
  if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
  const double w = v * units_->PerUnitX();
  if (x2_ >= x1_)
    x2_ = x1_ + w;
  else
    x1_ = x2_ + w;
  Repaint();
}

void QtLine::SetHeight(float v) {
  if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
  const double h = v * units_->PerUnitY();
  if (y2_ >= y1_)
    y2_ = y1_ + h;
  else
    y1_ = y2_ + h;
  Repaint();
}

void QtLine::PaintItem(QPainter& p) {
  QPen pen(ToQColor(color_));
  pen.setWidth(borderWidth_);
  p.setPen(pen);
  p.drawLine(QPointF(x1_ / units_->tppX, y1_ / units_->tppY),
             QPointF(x2_ / units_->tppX, y2_ / units_->tppY));
}

std::optional<QRect> QtLine::PaintBounds() const {
  // The pen's square caps reach half its width past either end.
  const QPointF a(x1_ / units_->tppX, y1_ / units_->tppY),
      b(x2_ / units_->tppX, y2_ / units_->tppY);
  const int reach = borderWidth_ / 2 + 2;
  return QRectF(a, b).normalized().toAlignedRect().adjusted(-reach, -reach, reach, reach);
}

// ---- shape

QtShape::QtShape(ControlHost* host, std::string name, const host::ShapeStyle& style)
    : PassiveWidget<host::Shape>(host, std::move(name)), style_(style) {}

void QtShape::PaintItem(QPainter& p) { PaintShape(p, style_, PixelRect()); }

void PaintShape(QPainter& p, const host::ShapeStyle& style, const QRectF& rect) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  // The outline lies inside the shape's box, as on the original platform.
  const double inset = style.outlined ? std::max(1, style.outlineWidth) / 2.0 : 0.0;
  const QRectF r = rect.adjusted(inset, inset, -inset, -inset);
  if (style.outlined) {
    QPen pen(ToQColor(style.outline));
    pen.setWidth(std::max(1, style.outlineWidth));
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  p.setBrush(style.filled ? QBrush(ToQColor(style.fill)) : QBrush(Qt::NoBrush));
  if (style.kind == host::ShapeKind::RoundedRectangle) {
    const double radius = std::min(rect.width(), rect.height()) / 6.0;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawRoundedRect(r, radius, radius);
  } else {
    p.drawRect(r);
  }
}

}  // namespace orvano::qt
