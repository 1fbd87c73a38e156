// The tab strip: a QTabBar for the tabs over a page frame painted in the host's scene, so that
// the caption labels placed on a page stay visible in front of it. Widgets placed on a tab are
// shown only while their tab is selected.
#pragma once

#include <QTabBar>
#include <memory>
#include <vector>

#include "orvano/qt/native_widget.h"

namespace orvano::qt {

class QtTabStrip : public NativeWidget<host::TabStrip>, public SceneItem {
 public:
  QtTabStrip(ControlHost* host, std::string name, const host::Font& font);
  ~QtTabStrip() override;

  void AddTab(const std::string& caption) override;
  std::int32_t TabCount() const override;
  std::string TabCaption(std::int32_t index) const override;
  std::int32_t Tab() const override { return tab_; }
  void SetTab(std::int32_t index) override;
  bool TabEnabled(std::int32_t index) const override;
  void SetTabEnabled(std::int32_t index, bool enabled) override;
  void OnTabChange(host::Handler h) override { change_ = std::move(h); }
  void PlaceOnTab(host::Widget& child, std::int32_t index) override;

  // SceneItem: the page frame.
  bool Shown() const override { return WidgetCore<host::TabStrip>::Shown(); }
  void PaintItem(QPainter& painter) override;

 protected:
  void ApplyGeometry() override;
  void ApplyVisibility() override;

 private:
  QTabBar* Bar() const { return qobject_cast<QTabBar*>(widget_); }
  void CheckIndex(std::int32_t index) const;
  void ShowPages();
  void UserChose(int index);

  struct Placed {
    std::shared_ptr<Placeable*> widget;
    std::int32_t tab;
  };
  std::vector<std::string> captions_;
  std::vector<Placed> placed_;
  std::int32_t tab_ = 0;
  host::Handler change_;
};

}  // namespace orvano::qt
