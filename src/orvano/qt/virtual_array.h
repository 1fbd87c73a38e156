// A passive array whose elements the owner computes on demand: painted, hit-tested and
// tooltipped by asking the source, with no state per element.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "orvano/host/widget_array.h"
#include "orvano/qt/control_host.h"
#include "orvano/qt/lattice_paint.h"

namespace orvano::qt {

class QtVirtualArray : public host::VirtualArray, public SceneItem {
 public:
  QtVirtualArray(ControlHost* host, std::string name, host::ArrayKind kind,
                 const host::ShapeStyle& style);
  ~QtVirtualArray() override;

  const std::string& Name() const override { return name_; }
  host::ArrayKind Kind() const override { return kind_; }
  const host::ShapeStyle& Style() const override { return style_; }
  void SetSource(const host::ArraySource* source) override;
  void Invalidate() override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override;
  void BringToFront() override;
  void OnClick(std::function<void(std::int64_t index)> h) override { click_ = std::move(h); }

  // Where the elements lie when they form a regular grid (asked on every paint; nothing when
  // they do not). With it, more than ExactLimit() elements in view are painted by pattern.
  using LatticeHint = std::function<std::optional<ArrayLattice>()>;
  void SetLattice(LatticeHint hint);
  // Up to this many elements in view are painted one by one; more by pattern. Lowered in tests to
  // compare the two.
  std::int64_t ExactLimit() const { return exactLimit_; }
  void SetExactLimit(std::int64_t limit) {
    exactLimit_ = limit;
    Invalidate();
  }

  // SceneItem
  bool Shown() const override { return visible_; }
  void PaintItem(QPainter& painter) override;
  bool HitItem(QPointF px, std::int64_t& index) const override;
  QString ToolTipAt(std::int64_t index) const override;
  void ClickItem(std::int64_t index) override;

 private:
  QPointer<ControlHost> host_;
  std::shared_ptr<Units> units_;
  std::string name_;
  host::ArrayKind kind_;
  host::ShapeStyle style_;
  const host::ArraySource* source_ = nullptr;
  bool visible_ = true;
  std::function<void(std::int64_t)> click_;
  LatticeHint lattice_;
  std::int64_t exactLimit_ = 1024;
};

}  // namespace orvano::qt
