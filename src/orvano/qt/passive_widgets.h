// Caption labels, lines and rectangle shapes: items of the host widget's scene.
#pragma once

#include <QFont>
#include <QKeySequence>

#include "orvano/qt/widget_core.h"

namespace orvano::qt {

class QtLabel : public PassiveWidget<host::Label> {
 public:
  QtLabel(ControlHost* host, std::string name, const host::Font& font);

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) noexcept override;
  host::Font GetFont() const override { return font_; }
  void SetFont(const host::Font& f) override;
  void SetFontSize(float points) override;
  host::Color BackColor() const override { return back_; }
  void SetBackColor(host::Color c) noexcept override;
  host::Color ForeColor() const override { return fore_; }
  void SetForeColor(host::Color c) override;
  bool Transparent() const override { return transparent_; }
  void SetTransparent(bool transparent) override;
  void SetAlignment(host::Alignment a) override;
  void SetWordWrap(bool wrap) override;
  void SetBorder(bool single) override;
  bool AutoSize() const override { return autoSize_; }
  void SetAutoSize(bool on) override;
  void SetWidth(float v) override;

  // SceneItem
  void PaintItem(QPainter& painter) override;
  bool HitItem(QPointF px, std::int64_t& index) const override;
  QString ToolTipAt(std::int64_t index) const override;
  void ClickItem(std::int64_t index) override;

 private:
  int TextFlags() const;
  void Fit();

  std::string caption_;
  host::Font font_;
  host::Color back_ = host::kButtonFace;
  host::Color fore_ = host::kWindowText;
  bool transparent_ = false;
  host::Alignment alignment_ = host::Alignment::Left;
  bool wordWrap_ = false;
  bool border_ = false;
  bool autoSize_ = false;
};

class QtLine : public PassiveWidget<host::Line> {
 public:
  QtLine(ControlHost* host, std::string name);

  float X1() const override;
  float Y1() const override;
  float X2() const override;
  float Y2() const override;
  void SetX1(float v) override;
  void SetY1(float v) override;
  void SetX2(float v) override;
  void SetY2(float v) override;
  std::int32_t BorderWidth() const override { return borderWidth_; }
  void SetBorderWidth(std::int32_t w) override;
  host::Color BorderColor() const override { return color_; }
  void SetBorderColor(host::Color c) override;

  // A line's place is the box around its two ends; moving or sizing it moves its ends.
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  void SetLeft(float v) override;
  void SetTop(float v) override;
  void SetWidth(float v) override;
  void SetHeight(float v) override;

  void PaintItem(QPainter& painter) override;
  std::optional<QRect> PaintBounds() const override;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;  // twips
  std::int32_t borderWidth_ = 1;
  host::Color color_ = host::kBlack;
};

class QtShape : public PassiveWidget<host::Shape> {
 public:
  QtShape(ControlHost* host, std::string name, const host::ShapeStyle& style);
  const host::ShapeStyle& Style() const override { return style_; }
  void PaintItem(QPainter& painter) override;

 private:
  host::ShapeStyle style_;
};

// Paints a rectangle shape of the given look in a pixel rectangle (shapes and shape arrays).
void PaintShape(QPainter& painter, const host::ShapeStyle& style, const QRectF& rect);

}  // namespace orvano::qt
